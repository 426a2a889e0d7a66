// The printer enumeration of the start-up, done on a worker thread so that the main window shows
// and answers at once whatever the spooler costs (a print server on the network may take
// seconds for each printer). The worker asks the spooler the same questions in the same order
// as the enumeration always did, into a catalogue of its own, and keeps its boxes. When it is
// done it tells the main window, whose thread copies the catalogue in and only then shows the
// boxes, with their texts, titles and owners as they were given. Whatever needs the catalogue
// before that waits for it.
#pragma once

#include <windows.h>

#include <memory>

namespace drawlot {

struct Application;
struct StartupEnumeration;  // the worker's own records

// The worker's message to the main window: its catalogue is ready.
inline constexpr UINT kStartupPrintersMessage = WM_APP + 21;

// The worker of one start-up; held by the Application after its spooler, so that going away it
// waits for a worker still asking the spooler before the spooler goes.
class PrinterStartup {
 public:
  PrinterStartup();
  ~PrinterStartup();
  PrinterStartup(const PrinterStartup&) = delete;
  PrinterStartup& operator=(const PrinterStartup&) = delete;

 private:
  friend void StartPrinterEnumeration(Application& app);
  friend void AllowStartupPrinters(Application& app);
  friend void TakeStartupPrinters(Application& app);
  friend void WaitForStartupPrinters(Application& app);
  friend void ResumeStartupPrinters(Application& app);
  void Resume();
  void WaitForWorker();

  std::unique_ptr<StartupEnumeration> run_;
  HANDLE worker_ = nullptr;
  bool suspended_ = false;  // made, not yet started
  // The window takes the catalogue only once it is made, after the boxes of its creation.
  bool allowed_ = false;
  bool missed_ = false;
};

// Step 11 of the main window's creation: makes the worker, which starts on the window's timer
// TIMER_START_PRINTERS or when the catalogue is needed first (or, when no thread can be made,
// enumerates here and now as before). A timer's message comes only once the window has painted
// and nothing else waits: loading the spooler makes Wine copy every queue into its registry,
// which would otherwise hold up the window's first paint.
void StartPrinterEnumeration(Application& app);
// On TIMER_START_PRINTERS: the worker starts.
void ResumeStartupPrinters(Application& app);
// The end of the main window's creation: from now on the catalogue is taken when it is ready.
void AllowStartupPrinters(Application& app);
// On the worker's message: the catalogue goes into app.printers and its boxes are shown.
void TakeStartupPrinters(Application& app);
// For whatever reads app.printers: while the worker runs, shows the searching window over the
// disabled main window and lets messages through until it is done; then takes the catalogue.
void WaitForStartupPrinters(Application& app);

}  // namespace drawlot
