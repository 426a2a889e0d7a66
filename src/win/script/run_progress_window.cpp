#include "win/script/run_progress_window.h"

#include <string>

#include "core/text/cp932.h"
#include "resources/resource_ids.h"

namespace drawlot {
namespace {

constexpr UINT kClockPeriod = 1000;
// The lines of the AutoCADs at once, in dialog units: up to eight.
constexpr LONG kStartsHeight = 68;

std::string Duration(ULONGLONG milliseconds) {
  const ULONGLONG seconds = milliseconds / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

class ProgressDialog : public Dialog, public RunProgressWindow {
 public:
  ProgressDialog(const DialogContext& context, UINT stop_message)
      : Dialog(context, {.ok = 0, .cancel = IDC_RUN_STOP}),
        owner_(context.owner),
        stop_message_(stop_message) {}

  void Open() override { OpenModeless(IDD_RUN_PROGRESS); }
  void Close() override {
    if (Dialog::window() && IsWindow(Dialog::window())) End(0);
  }
  HWND window() const override { return Dialog::window(); }

  void Show(const RunProgressView& view) override {
    view_ = view;
    if (view.batches) ShowStarts();
    if (view.stopping) {
      EnableWindow(Item(IDC_RUN_STOP), FALSE);
      SetItemText(IDC_RUN_ROW, "中止します。この図面が終わるまでお待ち下さい。");
    } else if (view.batches) {
      SetItemText(IDC_RUN_ROW, "AutoCAD " + std::to_string(view.running_starts.size()) +
                                   " 台で実行中（全 " + std::to_string(view.drawings_total) +
                                   " 図面）");
      const int done =
          view.running_starts.empty() ? view.drawings_total : view.running_starts.front().first - 1;
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETRANGE32, 0, view.drawings_total);
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETPOS, done, 0);
    } else if (view.drawings > 0) {
      SetItemText(IDC_RUN_ROW, std::to_string(view.drawings) + " 図面を１つのスクリプトで実行中");
      MarqueeBar();
    } else {
      SetItemText(IDC_RUN_ROW,
                  std::to_string(view.number) + " / " + std::to_string(view.total) + " 行目");
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETRANGE32, 0, view.total);
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETPOS, view.number - 1, 0);
    }
    SetItemText(IDC_RUN_FILE, view.drawing);
    ShowTimes();
  }

 private:
  bool OnInit() override {
    SetTimer(Dialog::window(), TIMER_RUN_CLOCK, kClockPeriod, nullptr);
    return true;
  }
  // "中止", Esc: the run decides (and asks about AutoCAD itself); pressed once.
  void OnCancel() override {
    EnableWindow(Item(IDC_RUN_STOP), FALSE);
    PostMessageA(owner_, stop_message_, 0, 0);
  }
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/) override {
    if (message == WM_TIMER && wparam == TIMER_RUN_CLOCK) {
      ShowTimes();
      if (view_.batches) ShowStarts();
    }
    if (message == WM_DESTROY) KillTimer(Dialog::window(), TIMER_RUN_CLOCK);
    return FALSE;
  }

  // Each running AutoCAD on a line of its own, below the button: the window grows once to
  // show them.
  void ShowStarts() {
    if (!grown_) {
      grown_ = true;
      RECT more{0, 0, 0, kStartsHeight};
      MapDialogRect(Dialog::window(), &more);
      RECT frame;
      GetWindowRect(Dialog::window(), &frame);
      SetWindowPos(Dialog::window(), nullptr, 0, 0, frame.right - frame.left,
                   frame.bottom - frame.top + more.bottom, SWP_NOMOVE | SWP_NOZORDER);
      ShowWindow(Item(IDC_RUN_STARTS), SW_SHOW);
    }
    const ULONGLONG now = GetTickCount64();
    std::string lines;
    for (const RunningStartView& start : view_.running_starts) {
      if (!lines.empty()) lines += "\r\n";
      lines += std::to_string(start.first);
      if (start.last > start.first) lines += "～" + std::to_string(start.last);
      lines += " / " + std::to_string(view_.drawings_total) + "　" +
               Duration(now - start.started_ms) + "　" + std::string(FileNameOf(start.drawing));
    }
    SetItemText(IDC_RUN_STARTS, lines);
  }

  void MarqueeBar() {
    const HWND bar = Item(IDC_RUN_BAR);
    SetWindowLongPtrA(bar, GWL_STYLE, GetWindowLongPtrA(bar, GWL_STYLE) | PBS_MARQUEE);
    SendMessageA(bar, PBM_SETMARQUEE, TRUE, 50);
  }
  // The run's clock is GetTickCount64's.
  void ShowTimes() {
    const ULONGLONG now = GetTickCount64();
    SetItemText(IDC_RUN_TIME, (view_.drawings > 0 ? "経過 " : "この図面 ") +
                                  Duration(now - view_.started_ms) + "　全体 " +
                                  Duration(now - view_.run_started_ms));
  }

  HWND owner_;
  UINT stop_message_;
  RunProgressView view_;
  bool grown_ = false;
};

}  // namespace

std::unique_ptr<RunProgressWindow> MakeRunProgressWindow(const DialogContext& context,
                                                         UINT stop_message) {
  return std::make_unique<ProgressDialog>(context, stop_message);
}

}  // namespace drawlot
