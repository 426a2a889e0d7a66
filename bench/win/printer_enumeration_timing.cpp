// How long one printer enumeration takes through Wine's real spooler: every queue of the CUPS
// that CUPS_SERVER names, with no printer prohibited and with every one prohibited (whose
// paper names are then never asked for); and how long the printer list and the one-row edit
// commands take from the command to their dialog shown, the first right after the main window
// is made. Boxes are counted, not shown. Prints figures;
// asserts nothing. Run through bench/win/printer_timing.sh, which makes the queues.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "core/env/printer_enumeration.h"
#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
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

// A dialog is shown once its initialisation (the enumeration and the controls) is done and its
// window becomes visible: the hook stops the clock there and closes it. The dialog timed is the
// one that has the control `marker`.
struct DialogClock {
  int marker = 0;
  double shown_at = 0;
  int rows = 0;  // of the printer list
};
DialogClock* g_clock = nullptr;  // a hook procedure has no parameter of its own

LRESULT CALLBACK WatchDialog(int code, WPARAM wparam, LPARAM lparam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
  // Shown by ShowWindow or by SetWindowPos (the edit dialog, when it is fitted to its controls).
  const bool shown =
      code == HC_ACTION && call->message == WM_WINDOWPOSCHANGED &&
      (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW) != 0;
  if (g_clock && shown) {
    const HWND marker = GetDlgItem(call->hwnd, g_clock->marker);
    if (marker && g_clock->shown_at == 0) {
      g_clock->shown_at = Now();
      const HWND list = GetDlgItem(call->hwnd, IDC_PRINTER_LIST);
      if (list) g_clock->rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
      PostMessageA(call->hwnd, WM_CLOSE, 0, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// A main window in a start-up folder of its own (it writes its list there when it goes), with
// one selected row; the start-up enumeration has just been started, or done, as the program
// does it.
struct MainWindow {
  CountingPrompter prompter;
  std::unique_ptr<drawlot::Application> app;
  HWND window = nullptr;

  MainWindow() {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "drawlot-printer-timing";
    CreateDirectoryA(folder.c_str(), nullptr);
    app = std::make_unique<drawlot::Application>(folder, prompter, GetModuleHandleA(nullptr));
    drawlot::RegisterMainWindowClass(app->instance);
    window = drawlot::CreateMainWindow(*app);
    if (!window) return;
    // The current set: the file name and a printer chosen from the catalogue.
    drawlot::ItemSlots& items = app->items.sets[drawlot::CurrentSetIndex(app->settings)].items;
    items[0].present = items[1].present = 1;
    items[0].title = "ファイル名";
    items[1].title = "出力先";
    items[0].display_mode = 1;
    items[1].display_mode = 4;
    items[1].edit_mode = 3;
    items[0].width = items[1].width = 90;
    app->rows->DeleteAllRows();  // the list a run before left there
    drawlot::BuildColumns(*app->rows, items);
    app->rows->InsertRow(0, "a.dwg", drawlot::kIconDwg, 0);
    drawlot::MarkRow(*app->rows, 0);
  }
  ~MainWindow() {
    if (!window) return;
    DestroyWindow(window);
    // The window posts the quit of the program as it goes: the next window's dialogs would
    // take it for theirs and end at once.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
};

// The first command comes right after the window is made; the others after it.
void TimeCommand(const char* label, int command, int marker) {
  MainWindow main;
  if (!main.window) return;
  for (auto& entry : main.app->settings.prohibition_print) entry.Clear();
  main.app->settings.print_paper_ab = '0';
  const HHOOK hook =
      SetWindowsHookExA(WH_CALLWNDPROCRET, WatchDialog, nullptr, GetCurrentThreadId());
  double first = 0;
  double rest = 0;
  DialogClock clock;
  for (int run = 0; run <= kRuns; ++run) {
    clock = DialogClock{marker};
    g_clock = &clock;
    const double start = Now();
    SendMessageA(main.window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    (run == 0 ? first : rest) += clock.shown_at - start;
  }
  g_clock = nullptr;
  UnhookWindowsHookEx(hook);
  std::printf(
      "%-14s %2d rows from the command to the dialog shown: first %8.2f ms, then %8.2f ms "
      "each\n",
      label, clock.rows, first, rest / kRuns);
}

}  // namespace

int main() {
  drawlot::EnvironmentSettings settings{};
  for (auto& entry : settings.prohibition_print) entry.Clear();
  Time("not prohibited", settings);
  settings.prohibition_print[3] = "Drawlot";
  Time("prohibited", settings);
  TimeCommand("printer list", IDM_PRINTERS, IDC_PRINTER_LIST);
  TimeCommand("one-row edit", IDM_EDIT_ROW, IDC_EDIT_HELP);
  return 0;
}
