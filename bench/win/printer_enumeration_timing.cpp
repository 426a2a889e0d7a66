// How long one printer enumeration takes through Wine's real spooler: every queue of the CUPS
// that CUPS_SERVER names, with no printer prohibited and with every one prohibited (whose
// paper names are then never asked for); and how long the printer list command takes from the
// command to its dialog shown with its rows. Boxes are counted, not shown. Prints figures;
// asserts nothing. Run through bench/win/printer_timing.sh, which makes the queues.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "timing_clock.h"
#include "win/app/main_window.h"
#include "win/platform/win32_print_spooler.h"

namespace {

constexpr int kRuns = 10;

using drawlot::timing::Now;

class CountingPrompter : public drawlot::Prompter {
 public:
  drawlot::Answer Show(const drawlot::Message&) override {
    ++boxes;
    return drawlot::Answer::kOk;
  }
  int boxes = 0;
};

void Time(const char* label, const drawlot::EnvironmentSettings& settings) {
  drawlot::Win32PrintSpooler spooler;
  CountingPrompter prompter;
  auto catalog = std::make_unique<drawlot::PrinterCatalog>();
  double first = 0;
  double rest = 0;
  for (int run = 0; run <= kRuns; ++run) {
    const double start = Now();
    drawlot::EnumeratePrinters(*catalog, settings, spooler, prompter, 0);
    (run == 0 ? first : rest) += Now() - start;
  }
  std::printf(
      "%-14s %2d printers, %2d papers in the first: first %8.2f ms, then %8.2f ms each "
      "(%d boxes a run)\n",
      label, catalog->count, catalog->printers[0].PaperCount(), first, rest / kRuns,
      prompter.boxes / (kRuns + 1));
}

// The printer list dialog is shown once its initialisation (the enumeration and the rows) is
// done and the window becomes visible: the hook stops the clock there and closes it.
struct DialogClock {
  double shown_at = 0;
  int rows = 0;
};
DialogClock* g_clock = nullptr;  // a hook procedure has no parameter of its own

LRESULT CALLBACK WatchDialog(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  if (code == HC_ACTION && g_clock && call->message == WM_SHOWWINDOW && call->wParam) {
    const HWND list = GetDlgItem(call->hwnd, IDC_PRINTER_LIST);
    if (list && g_clock->shown_at == 0) {
      g_clock->shown_at = Now();
      g_clock->rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
      PostMessageA(call->hwnd, WM_CLOSE, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void TimePrinterListCommand() {
  // A start-up folder of its own: the main window writes its list there when it goes.
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "drawlot-printer-timing";
  CreateDirectoryA(folder.c_str(), nullptr);
  CountingPrompter prompter;
  auto app = std::make_unique<drawlot::Application>(folder, prompter, GetModuleHandleA(nullptr));
  drawlot::RegisterMainWindowClass(app->instance);
  const HWND window = drawlot::CreateMainWindow(*app);
  if (!window) return;
  for (auto& entry : app->settings.prohibition_print) entry.Clear();
  app->settings.print_paper_ab = '0';
  const HHOOK hook =
      SetWindowsHookExA(WH_CALLWNDPROCRET, WatchDialog, nullptr, GetCurrentThreadId());
  double first = 0;
  double rest = 0;
  DialogClock clock;
  for (int run = 0; run <= kRuns; ++run) {
    clock = DialogClock{};
    g_clock = &clock;
    const double start = Now();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_PRINTERS, 0), 0);
    (run == 0 ? first : rest) += clock.shown_at - start;
  }
  g_clock = nullptr;
  UnhookWindowsHookEx(hook);
  std::printf(
      "%-14s %2d rows from the command to the dialog shown: first %8.2f ms, then %8.2f ms "
      "each\n",
      "printer list", clock.rows, first, rest / kRuns);
  DestroyWindow(window);
}

}  // namespace

int main() {
  drawlot::EnvironmentSettings settings{};
  for (auto& entry : settings.prohibition_print) entry.Clear();
  Time("not prohibited", settings);
  settings.prohibition_print[3] = "Drawlot";
  Time("prohibited", settings);
  TimePrinterListCommand();
  return 0;
}
