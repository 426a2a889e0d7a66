// Watched runs on a real main window with the AutoCAD stand-in: a drawing that hangs is ended
// at the time limit while the window keeps handling messages, "中止" ends the run after the
// drawing in progress, and a missing drawing is left out. The run record and the selection
// afterwards are read back.
#include "win/app/run_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/recording_prompter.h"
#include "support/script_items.h"
#include "support/temp_folder.h"
#include "win/app/main_window.h"
#include "win/support/await_run.h"
#include "win/support/cad_standin.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

// What a timer firing during the run saw of the windows.
struct DuringRun {
  bool main_enabled = true;
  std::string progress_row;
  bool stop_pressed = false;
} during;
bool press_stop = false;

void CALLBACK LookAtTheWindows(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND progress = FindWindowA("#32770", "実行中");
  if (!progress) {  // too early: the run has not started its first drawing yet
    SetTimer(nullptr, 0, 200, LookAtTheWindows);
    return;
  }
  char row[100] = {};
  GetDlgItemTextA(progress, IDC_RUN_ROW, row, sizeof row);
  during.progress_row = row;
  during.main_enabled = IsWindowEnabled(FindWindowA(kMainWindowClass, nullptr)) != FALSE;
  if (press_stop && progress) {
    SendMessageA(progress, WM_COMMAND, MAKEWPARAM(IDC_RUN_STOP, BN_CLICKED), 0);
    during.stop_pressed = true;
  }
}

class RunCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    during = DuringRun{};
    press_stop = false;
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    app_.spooler = std::make_unique<InMemoryPrintSpooler>();
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
    if (const HWND environment = FindWindowA("#32770", "環境設定")) DestroyWindow(environment);
    prompter_.shown.clear();
    app_.settings.autocad_type = '0';
    app_.items.sets[0].items =
        Slots({Item("ファイル名").display(1), Item("フォルダ").display(2),
               Item("開く").output(1).command("open"), Item("プリンタ").display(4).edit(3)});
    BuildColumns(*app_.rows, app_.current_items());
    app_.settings.autocad_file = InstallStandIn(cad_, "acad.exe");
    app_.settings.temp_file = work_.File("run.scr");
    app_.settings.end_file_dwg = "C:\\END\\end.dwg";
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) {
      const int row = app_.rows->InsertRow(app_.rows->RowCount(), name, kIconDwg, app_.tags.Next());
      app_.rows->SetCell(row, 1, drawings_.path());
      app_.rows->SetCell(row, 2, "PDF,A");
      drawings_.Write(name, "drawing");
    }
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    MSG message;  // the quit message the window posts would end the next test's pumping
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message != WM_QUIT) DispatchMessageA(&message);
    }
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }
  void Command(int id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void Run(int id) {
    Command(id);
    AwaitRun(app_);
  }
  // The record's fields from 方式 on, line by line (the times vary from run to run).
  Texts RecordTails() const {
    Texts tails;
    const std::string bytes = folder_.Read("drawlot_run.csv");
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
      const std::string line = bytes.substr(at, end - at);
      std::size_t field = 0;
      for (int comma = 0; comma < 3 && field != std::string::npos; ++comma) {
        field = line.find(',', field + 1);
      }
      tails.push_back(line.rfind("開始", 0) == 0 ? line : line.substr(field + 1));
    }
    return tails;
  }
  std::string Tail(const char* name, const char* result, const char* code) const {
    return "毎行(１処理)," + drawings_.File(name) + ",\"PDF,A\",," + result + "," + code;
  }
  std::vector<int> Selected() const {
    std::vector<int> rows;
    for (int r = app_.rows->NextSelectedRow(); r != kNoRow; r = app_.rows->NextSelectedRow(r)) {
      rows.push_back(r);
    }
    return rows;
  }
  Message Summary(const char* text) const {
    return Box(reinterpret_cast<WindowRef>(window_), text, "実行結果", Icon::kWarning);
  }

  TempFolder folder_{"起動 表"};
  TempFolder cad_{"CAD"};
  TempFolder work_{"作業"};
  TempFolder drawings_{"図面 表"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  HWND window_ = nullptr;
};

TEST_F(RunCommandsTest, AHangingDrawingIsEndedAtTheLimitAndTheNextOneStillRuns) {
  app_.program_settings.run.time_limit_seconds = 2;
  cad_.Write("standin.hang", "b.dwg");
  SetTimer(nullptr, 0, 1000, LookAtTheWindows);  // fires while b.dwg hangs (or a.dwg runs)
  Run(IDM_RUN_PER_ROW);
  EXPECT_FALSE(during.main_enabled);
  EXPECT_NE(during.progress_row.find(" / 3 行目"), std::string::npos) << during.progress_row;
  const auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_NE(runs[2].script.find("c.dwg"), std::string::npos);
  EXPECT_EQ(RecordTails(), (Texts{"開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード",
                                  Tail("a.dwg", "完了", "0"), Tail("b.dwg", "時間切れ", ""),
                                  Tail("c.dwg", "完了", "0")}));
  EXPECT_EQ(Selected(), (std::vector<int>{1}));
  EXPECT_EQ(prompter_.shown, (Boxes{Summary("3件中1件が正常に終了しませんでした。\r\n"
                                            "それらの行を選択してあります。")}));
  EXPECT_TRUE(IsWindowEnabled(window_));
  EXPECT_EQ(FindWindowA("#32770", "実行中"), nullptr);
  EXPECT_EQ(app_.last_run_status, "前回の実行: 3件中1件 失敗");
}

TEST_F(RunCommandsTest, StopEndsTheRunAfterTheDrawingInProgress) {
  MakeStandInWait(cad_, 1500);
  cad_.Write("standin.exit", "2");
  press_stop = true;
  prompter_.answers = {Answer::kNo};  // AutoCAD is not ended: the drawing finishes
  SetTimer(nullptr, 0, 500, LookAtTheWindows);
  Run(IDM_RUN_PER_ROW);
  EXPECT_TRUE(during.stop_pressed);
  ASSERT_EQ(StandInRuns(cad_).size(), 1u);
  EXPECT_TRUE(StandInRuns(cad_)[0].ended);
  EXPECT_EQ(RecordTails(), (Texts{"開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード",
                                  Tail("a.dwg", "異常終了", "2"), Tail("b.dwg", "未実行", ""),
                                  Tail("c.dwg", "未実行", "")}));
  const WindowRef progress = prompter_.shown.empty() ? 0 : prompter_.shown[0].owner;
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Box(progress, "AutoCADを終了させますか？", "中止", Icon::kQuestion, Buttons::kYesNo),
             Summary("3件中3件が正常に終了しませんでした。\r\n"
                     "それらの行を選択してあります。")}));
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
}

TEST_F(RunCommandsTest, AMissingDrawingIsLeftOutAndStaysSelected) {
  DeleteFileA(drawings_.File("b.dwg").c_str());
  prompter_.answers = {Answer::kYes};
  Run(IDM_RUN_ALL);
  const auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].script, "open \"" + drawings_.File("a.dwg") + "\"\r\nopen \"" +
                                drawings_.File("c.dwg") +
                                "\"\r\nopen \"C:\\END\\end.dwg\"\r\nquit\r\n");
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(reinterpret_cast<WindowRef>(window_),
                       "図面ファイルが見つかりません（1件）。\r\n\r\nb.dwg\r\n\r\n"
                       "見つからない図面を除いて実行しますか？\r\n（いいえ：何も実行しません）",
                       "図面なし", Icon::kQuestion, Buttons::kYesNo)}));
  EXPECT_EQ(Selected(), (std::vector<int>{1}));
  // The drawing left out has its line too, before the script's.
  EXPECT_EQ(RecordTails(),
            (Texts{"開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード",
                   "全スクリプト," + drawings_.File("b.dwg") + ",\"PDF,A\",,図面なし,",
                   "全スクリプト,2 図面,,,完了,0"}));
  EXPECT_TRUE(folder_.Exists("listview.ini") || !app_.startup_reads.list_loaded);
}

TEST_F(RunCommandsTest, RunSettingsShowTheDefaultsRefuseABadLimitAndKeepWhatOkTakes) {
  Texts shown;
  std::vector<WindowRef> dialogs;
  const auto fill = [&](const char* limit) {
    return [&shown, &dialogs, limit](HWND dialog) {
      dialogs.push_back(reinterpret_cast<WindowRef>(dialog));
      shown.push_back(WindowText(GetDlgItem(dialog, IDC_RUN_LIMIT)) +
                      (IsDlgButtonChecked(dialog, IDC_RUN_CHECK_MISSING) ? " check" : "") +
                      (IsDlgButtonChecked(dialog, IDC_RUN_RECORD) ? " record" : ""));
      SetDlgItemTextA(dialog, IDC_RUN_LIMIT, limit);
      CheckDlgButton(dialog, IDC_RUN_RECORD, BST_UNCHECKED);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_OK, BN_CLICKED), 0);
      if (IsWindowVisible(dialog))
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_CANCEL, 0), 0);
    };
  };
  {
    ModalAnswerer refused("実行の設定", fill("86401"));
    Command(IDM_RUN_SETTINGS);
  }
  {
    ModalAnswerer taken("実行の設定", fill("120"));
    Command(IDM_RUN_SETTINGS);
  }
  EXPECT_EQ(shown, (Texts{"0 check record", "0 check record"}));
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(prompter_.shown, (Boxes{Box(dialogs[0], "制限時間は0～86400秒で入力して下さい。",
                                        "入力エラー", Icon::kWarning)}));
  EXPECT_EQ(app_.program_file.Bytes(app_.program_settings),
            "run_time_limit=120\r\nrun_check_missing=1\r\nrun_record=0\r\n");
}

TEST_F(RunCommandsTest, RunSettingsHelpOpensItsPageAndEnterIsOk) {
  Texts opened;
  app_.open_web_page = [&opened](const std::string& address) { opened.push_back(address); };
  ModalAnswerer answer("実行の設定", [](HWND dialog) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_HELP, BN_CLICKED), 0);
    SetDlgItemTextA(dialog, IDC_RUN_LIMIT, "３０");  // as a Japanese input method types it
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);  // Enter
  });
  Command(IDM_RUN_SETTINGS);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_TRUE(opened[0].ends_with("/Dw-HELP01.htm")) << opened[0];
  EXPECT_EQ(app_.program_file.Bytes(app_.program_settings),
            "run_time_limit=30\r\nrun_check_missing=1\r\nrun_record=1\r\n");
}

}  // namespace
}  // namespace drawlot::testing
