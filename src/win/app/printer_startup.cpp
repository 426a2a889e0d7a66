#include "win/app/printer_startup.h"

#include <exception>

#include "core/env/printer_enumeration.h"
#include "core/platform/recorded_boxes.h"
#include "resources/resource_ids.h"
#include "win/app/application.h"
#include "win/platform/dialog.h"
#include "win/platform/searching_window.h"

namespace drawlot {

// Everything the worker reads or writes is its own, or (the spooler) left alone by the window's
// thread until the worker is done. The settings are a copy: the environment dialog opened at
// start may change them meanwhile.
struct StartupEnumeration {
  StartupEnumeration(const EnvironmentSettings& start_settings, PrintSpooler& spooler_to_ask,
                     HWND main_window)
      : settings(start_settings), spooler(spooler_to_ask), window(main_window) {}

  const EnvironmentSettings settings;
  PrintSpooler& spooler;
  const HWND window;
  PrinterCatalog catalog{};
  RecordedBoxes boxes;
};

namespace {

DWORD WINAPI EnumerateOnWorker(void* run_address) {
  auto& run = *static_cast<StartupEnumeration*>(run_address);
  try {
    EnumeratePrinters(run.catalog, run.settings, run.spooler, run.boxes,
                      reinterpret_cast<WindowRef>(run.window));
  } catch (const std::exception&) {
    // Out of memory: the printers read so far make the catalogue, and the program goes on.
  }
  PostMessageA(run.window, kStartupPrintersMessage, 0, 0);
  return 0;
}

// The detection's searching window, saying what is searched for here.
HWND ShowPrinterSearchingWindow(const Application& app) {
  const HWND window = ShowSearchingWindow(app.instance, app.main_window);
  if (!window) return nullptr;
  SetDlgItemTextA(window, IDC_SEARCHING_TITLE, "プリンタ検索中");
  ShowWindow(GetDlgItem(window, IDC_SEARCHING_DURATION), SW_HIDE);
  UpdateWindow(window);
  return window;
}

// Lets the messages through until the worker ends, or until its catalogue was taken on the way
// (its message may come among them). A quit met on the way is put back for the message loop,
// and the worker is then waited for without them.
// `worker` is the startup's own handle, which the taking clears.
void PumpUntilEnded(const HANDLE& worker) {
  while (worker) {
    if (MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0) {
      return;
    }
    MSG message{};
    while (worker && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        WaitForSingleObject(worker, INFINITE);
        return;
      }
      DispatchQueuedMessage(message);
    }
  }
}

}  // namespace

PrinterStartup::PrinterStartup() = default;

PrinterStartup::~PrinterStartup() {
  WaitForWorker();
}

void PrinterStartup::Resume() {
  if (!worker_ || !suspended_) return;
  suspended_ = false;
  ResumeThread(worker_);
}

void PrinterStartup::WaitForWorker() {
  if (!worker_) return;
  Resume();
  WaitForSingleObject(worker_, INFINITE);
  CloseHandle(worker_);
  worker_ = nullptr;
}

void StartPrinterEnumeration(Application& app) {
  PrinterStartup& startup = app.printer_startup;
  startup.WaitForWorker();  // a window made again by the same program drops the older run
  startup.allowed_ = false;
  startup.missed_ = false;
  startup.run_ = std::make_unique<StartupEnumeration>(app.settings, *app.spooler, app.main_window);
  startup.worker_ =
      CreateThread(nullptr, 0, EnumerateOnWorker, startup.run_.get(), CREATE_SUSPENDED, nullptr);
  if (startup.worker_) {
    // The window's thread comes first: on a busy machine the worker takes the time left over.
    SetThreadPriority(startup.worker_, THREAD_PRIORITY_BELOW_NORMAL);
    startup.suspended_ = true;
    if (!SetTimer(app.main_window, TIMER_START_PRINTERS, USER_TIMER_MINIMUM, nullptr)) {
      startup.Resume();
    }
    return;
  }
  startup.run_.reset();
  EnumeratePrinters(app.printers, app.settings, *app.spooler, app.prompter, app.owner());
}

void ResumeStartupPrinters(Application& app) {
  KillTimer(app.main_window, TIMER_START_PRINTERS);
  app.printer_startup.Resume();
}

void AllowStartupPrinters(Application& app) {
  PrinterStartup& startup = app.printer_startup;
  startup.allowed_ = true;
  if (startup.missed_) PostMessageA(app.main_window, kStartupPrintersMessage, 0, 0);
}

void TakeStartupPrinters(Application& app) {
  PrinterStartup& startup = app.printer_startup;
  if (!startup.run_) return;  // taken already
  if (!startup.allowed_) {
    startup.missed_ = true;
    return;
  }
  // The message is the worker's last act: it ends at once.
  startup.WaitForWorker();
  // Taken before the boxes show: a command given while they are up finds the catalogue.
  const std::unique_ptr<StartupEnumeration> run = std::move(startup.run_);
  app.printers = run->catalog;
  run->boxes.ShowThrough(app.prompter);
}

void WaitForStartupPrinters(Application& app) {
  PrinterStartup& startup = app.printer_startup;
  if (!startup.run_) return;
  startup.Resume();
  if (startup.worker_ && WaitForSingleObject(startup.worker_, 0) == WAIT_TIMEOUT) {
    // Like a modal dialog: nothing else may be asked of the main window meanwhile.
    const InputOffScope input_off(app.input_gate, app.main_window);
    const HWND notice = ShowPrinterSearchingWindow(app);
    PumpUntilEnded(startup.worker_);
    CloseSearchingWindow(notice);
  }
  startup.allowed_ = true;  // whoever waits needs it now
  TakeStartupPrinters(app);
}

}  // namespace drawlot
