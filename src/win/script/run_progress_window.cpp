#include "win/script/run_progress_window.h"

#include <string>

#include "resources/resource_ids.h"

namespace drawlot {
namespace {

constexpr UINT kClockPeriod = 1000;

std::string Duration(ULONGLONG milliseconds) {
  const ULONGLONG seconds = milliseconds / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

class ProgressDialog : public Dialog, public RunProgressWindow {
 public:
  explicit ProgressDialog(const DialogContext& context)
      : Dialog(context, {.ok = 0, .cancel = IDC_RUN_STOP}) {}

  void Open() override {
    run_started_ = GetTickCount64();
    OpenModeless(IDD_RUN_PROGRESS);
  }
  void Close() override {
    if (Dialog::window() && IsWindow(Dialog::window())) End(0);
  }
  HWND window() const override { return Dialog::window(); }

  void DrawingStarted(int number, int total, std::string_view drawing, int drawings) override {
    drawing_started_ = GetTickCount64();
    running_ = true;
    drawings_ = drawings;
    if (drawings > 0) {
      SetItemText(IDC_RUN_ROW, std::to_string(drawings) + " 図面を１つのスクリプトで実行中");
      MarqueeBar();
    } else {
      SetItemText(IDC_RUN_ROW, std::to_string(number) + " / " + std::to_string(total) + " 行目");
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETRANGE32, 0, total);
      SendMessageA(Item(IDC_RUN_BAR), PBM_SETPOS, number - 1, 0);
    }
    SetItemText(IDC_RUN_FILE, drawing);
    ShowTimes();
  }
  void DrawingEnded() override { running_ = false; }
  bool StopRequested() const override { return stop_; }
  bool EndProcessRequested() const override { return end_process_; }

 private:
  bool OnInit() override {
    SetTimer(Dialog::window(), TIMER_RUN_CLOCK, kClockPeriod, nullptr);
    return true;
  }
  // "中止", Esc: the run ends after this drawing; AutoCAD itself only when the user says so.
  void OnCancel() override {
    stop_ = true;
    EnableWindow(Item(IDC_RUN_STOP), FALSE);
    SetItemText(IDC_RUN_ROW, "中止します。この図面が終わるまでお待ち下さい。");
    if (running_ &&
        Ask(kEndAutoCadText, kEndAutoCadTitle, Buttons::kYesNo, Icon::kQuestion) == Answer::kYes) {
      end_process_ = true;
    }
  }
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/) override {
    if (message == WM_TIMER && wparam == TIMER_RUN_CLOCK) ShowTimes();
    if (message == WM_DESTROY) KillTimer(Dialog::window(), TIMER_RUN_CLOCK);
    return FALSE;
  }

  void MarqueeBar() {
    const HWND bar = Item(IDC_RUN_BAR);
    SetWindowLongPtrA(bar, GWL_STYLE, GetWindowLongPtrA(bar, GWL_STYLE) | PBS_MARQUEE);
    SendMessageA(bar, PBM_SETMARQUEE, TRUE, 50);
  }
  void ShowTimes() {
    const ULONGLONG now = GetTickCount64();
    SetItemText(IDC_RUN_TIME, (drawings_ > 0 ? "経過 " : "この図面 ") +
                                  Duration(now - drawing_started_) + "　全体 " +
                                  Duration(now - run_started_));
  }

  ULONGLONG run_started_ = 0;
  ULONGLONG drawing_started_ = 0;
  int drawings_ = 0;
  bool running_ = false;
  bool stop_ = false;
  bool end_process_ = false;
};

}  // namespace

std::unique_ptr<RunProgressWindow> MakeRunProgressWindow(const DialogContext& context) {
  return std::make_unique<ProgressDialog>(context);
}

}  // namespace drawlot
