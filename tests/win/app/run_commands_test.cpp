// Watched runs on a real main window with the AutoCAD stand-in: a drawing that hangs is ended
// at the time limit while the window keeps handling messages, "中止" ends the run after the
// drawing in progress, and a missing drawing is left out. The run record and the selection
// afterwards are read back.
#include "win/app/run_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
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
#include "win/support/pump_messages.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

// The head of an AutoCAD 2018 drawing with no picture: the reader takes it for a drawing.
const std::string kDrawingBytes = "AC1032" + std::string(32, '\0');

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
    SendMessageA(progress, WM_COMMAND, MAKEWPARAM(IDC_RUN_STOP, BN_CLICKED), 0);  // one question
    during.stop_pressed = true;
  }
}

class RunCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    during = DuringRun{};
    press_stop = false;
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    auto spooler = std::make_unique<InMemoryPrintSpooler>();
    spooler->Add("PDF,A", {"A3"});  // the rows' printer: the check before a run finds it
    app_.spooler = std::move(spooler);
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
    if (const HWND environment = FindWindowA("#32770", "環境設定")) DestroyWindow(environment);
    prompter_.shown.clear();
    app_.settings.autocad_type = '0';
    app_.items.sets[0].items =
        Slots({Item("ファイル名").display(1), Item("フォルダ").display(2),
               Item("開く").output(1).command("open"), Item("プリンタ").display(4).edit(3),
               Item("用紙").display(5).edit(4)});
    BuildColumns(*app_.rows, app_.current_items());
    app_.settings.autocad_file = InstallStandIn(cad_, "acad.exe");
    app_.settings.temp_file = work_.File("run.scr");
    app_.settings.end_file_dwg = "C:\\END\\end.dwg";
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) AddDrawing(name);
  }
  void AddDrawing(const std::string& name, const char* printer = "PDF,A") {
    const int row = app_.rows->InsertRow(app_.rows->RowCount(), name, kIconDwg, app_.tags.Next());
    app_.rows->SetCell(row, 1, drawings_.path());
    app_.rows->SetCell(row, 2, printer);
    drawings_.Write(name, kDrawingBytes);
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
  std::string Tail(const char* name, const char* result, const char* code,
                   const char* mode = "毎行(１処理)") const {
    return std::string(mode) + "," + drawings_.File(name) + ",\"PDF,A\",," + result + "," + code;
  }
  // The record's lines after the first `from` (its header is line 0).
  Texts RecordFrom(std::size_t from) const {
    const Texts tails = RecordTails();
    return Texts(tails.begin() + std::min(from, tails.size()), tails.end());
  }
  // The stand-in has started `count` drawings.
  bool Started(std::size_t count) {
    return PumpUntil([&] { return StandInRuns(cad_).size() >= count; });
  }
  Message Question(const char* text, const char* title) const {
    return Box(reinterpret_cast<WindowRef>(window_), text, title, Icon::kQuestion, Buttons::kYesNo);
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

// 実行前の確認: a missing drawing, a file that is no drawing and a printer the spooler does not
// have are named in one question; Yes leaves them out, records each with its fault and leaves
// them selected.
TEST_F(RunCommandsTest, TheCheckBeforeARunLeavesOutWhatCannotBePlotted) {
  AddDrawing("d.dwg", "Nowhere");
  AddDrawing("e.dwg");
  app_.rows->SetCell(4, 3, "B0");  // the printer has A3 only
  DeleteFileA(drawings_.File("b.dwg").c_str());
  drawings_.Write("c.dwg", "a letter, not a drawing");
  prompter_.answers = {Answer::kYes};
  Run(IDM_RUN_ALL);
  const auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].script,
            "open \"" + drawings_.File("a.dwg") + "\"\r\nopen \"C:\\END\\end.dwg\"\r\nquit\r\n");
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Question("実行の前に、次の図面に問題が見つかりました。\r\n"
                      "\r\n図面がありません 1件\r\n　b.dwg\r\n"
                      "\r\n図面ではありません 1件\r\n　c.dwg\r\n"
                      "\r\nプリンタがありません 1件\r\n　d.dwg\r\n"
                      "\r\n用紙がありません 1件\r\n　e.dwg\r\n"
                      "\r\nこれらの図面を除いて実行しますか？\r\n（いいえ：何も実行しません）",
                      "実行前の確認")}));
  EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
  // Every drawing has its line: those left out first, then the script's.
  EXPECT_EQ(RecordTails(),
            (Texts{"開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード",
                   "全スクリプト," + drawings_.File("b.dwg") + ",\"PDF,A\",,図面なし,",
                   "全スクリプト," + drawings_.File("c.dwg") + ",\"PDF,A\",,図面でない,",
                   "全スクリプト," + drawings_.File("d.dwg") + ",Nowhere,,プリンタなし,",
                   "全スクリプト," + drawings_.File("e.dwg") + ",\"PDF,A\",B0,用紙なし,",
                   "全スクリプト," + drawings_.File("a.dwg") + ",\"PDF,A\",,完了,0"}));
  EXPECT_TRUE(folder_.Exists("listview.ini") || !app_.startup_reads.list_loaded);
}

// Faults 1 and 11: WM_CLOSE (taskkill, an installer) while a drawing hangs in AutoCAD. No: the
// run goes on. Yes: AutoCAD is ended, the drawing is 中止, the rest 未実行, and the window goes.
TEST_F(RunCommandsTest, ClosingDuringARunAsksAndYesEndsAutoCadAndRecordsEveryDrawing) {
  cad_.Write("standin.hang", "a.dwg");
  Command(IDM_RUN_PER_ROW);
  ASSERT_TRUE(Started(1));
  prompter_.answers = {Answer::kNo, Answer::kYes};
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(app_.run);
  SendMessageA(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(app_.run);
  const Message close = Question("実行中です。AutoCADを終了して実行を中止しますか？", "実行中");
  EXPECT_EQ(prompter_.shown, (Boxes{close, close}));
  ASSERT_EQ(StandInRuns(cad_).size(), 1u);
  EXPECT_FALSE(StandInRuns(cad_)[0].ended);
  EXPECT_EQ(RecordFrom(1), (Texts{Tail("a.dwg", "中止", ""), Tail("b.dwg", "未実行", ""),
                                  Tail("c.dwg", "未実行", "")}));
}

// Faults 2 and 4: a modal box open through a timed run holds up nothing (the time limit ends
// the hanging drawing, the next ones start) and nothing wakes the main window under it.
struct UnderABox {
  HWND main = nullptr;
  const TempFolder* cad = nullptr;
  bool enabled_under_box = false;
  std::size_t runs_under_box = 0;
} under;

void CALLBACK LookUnderTheBox(HWND, UINT, UINT_PTR, DWORD) {
  if (IsWindowEnabled(under.main)) under.enabled_under_box = true;
}
void CALLBACK CloseTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const auto runs = StandInRuns(*under.cad);
  under.runs_under_box = std::count_if(runs.begin(), runs.end(), [](auto& r) { return r.ended; });
  PostMessageA(FindWindowA("#32770", "箱"), WM_COMMAND, IDOK, 0);
}
void CALLBACK OpenTheBox(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const UINT_PTR look = SetTimer(nullptr, 0, 50, LookUnderTheBox);
  SetTimer(nullptr, 0, 3500, CloseTheBox);
  MessageBoxA(under.main, "開いたまま", "箱", MB_OK);
  KillTimer(nullptr, look);
}

TEST_F(RunCommandsTest, ABoxOpenThroughATimedRunHoldsUpNothingAndTheWindowStaysOffUnderIt) {
  under = UnderABox{window_, &cad_};
  app_.program_settings.run.time_limit_seconds = 1;
  cad_.Write("standin.hang", "b.dwg");
  SetTimer(nullptr, 0, 200, OpenTheBox);
  Command(IDM_RUN_TIMED);
  ASSERT_TRUE(PumpUntil([] { return under.runs_under_box > 0; }));
  EXPECT_EQ(under.runs_under_box, 2u);  // a and c ended; b was ended at its limit
  EXPECT_EQ(StandInRuns(cad_).size(), 3u);
  EXPECT_FALSE(under.enabled_under_box);
  AwaitRun(app_);
  const char* timed = "毎行(タイマ)";
  EXPECT_EQ(RecordFrom(1),
            (Texts{Tail("a.dwg", "完了", "0", timed), Tail("b.dwg", "時間切れ", "", timed),
                   Tail("c.dwg", "完了", "0", timed)}));
  EXPECT_TRUE(IsWindowEnabled(window_));
}

// Faults 5 and 10: between the drawings of a timed run the list is the user's. The run follows
// its rows by tag through a sort and a delete, refuses a second run, and records the drawings
// that オール削除 took away.
TEST_F(RunCommandsTest, ATimedRunFollowsItsRowsByTagAndRefusesASecondRun) {
  Command(IDM_RUN_TIMED);
  app_.rows->SortRows([](std::int32_t a, std::int32_t b) { return a < b ? 1 : a > b ? -1 : 0; });
  ASSERT_EQ(app_.rows->GetCell(0, 0, 260), "c.dwg");
  app_.rows->DeleteRow(1);  // b.dwg
  Command(IDM_RUN_ALL);
  Command(IDM_RUN_TIMED);
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDT_RUN_SCRIPT, BN_CLICKED), 0);
  AwaitRun(app_);
  const auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_NE(runs[0].script.find("a.dwg"), std::string::npos);
  EXPECT_NE(runs[1].script.find("c.dwg"), std::string::npos);
  const char* timed = "毎行(タイマ)";
  EXPECT_EQ(RecordFrom(1),
            (Texts{Tail("a.dwg", "完了", "0", timed), Tail("b.dwg", "行削除", "", timed),
                   Tail("c.dwg", "完了", "0", timed)}));
  const Message refused = Box(reinterpret_cast<WindowRef>(window_),
                              "実行中です。終わるまでお待ち下さい。", "実行中", Icon::kWarning);
  EXPECT_EQ(prompter_.shown, (Boxes{refused, refused, refused}));

  Command(IDM_RUN_TIMED);  // c.dwg and a.dwg; the list goes after the first
  ASSERT_TRUE(PumpUntil([&] { return StandInRuns(cad_).size() == 3 && IsWindowEnabled(window_); }));
  Command(IDM_DELETE_ALL);
  AwaitRun(app_);
  EXPECT_EQ(StandInRuns(cad_).size(), 3u);
  EXPECT_EQ(RecordFrom(4),
            (Texts{Tail("c.dwg", "完了", "0", timed), Tail("a.dwg", "行削除", "", timed)}));
}

// Faults 6 and 12: rows never run are recorded and counted, never reported done.
TEST_F(RunCommandsTest, RowsNeverRunAreRecordedAndCountedNeverReportedDone) {
  const std::string script = app_.settings.temp_file.str();
  const Texts never = {Tail("b.dwg", "未実行", ""), Tail("c.dwg", "未実行", "")};
  const WindowRef owner = reinterpret_cast<WindowRef>(window_);
  // The script cannot be written; AutoCAD cannot be started.
  app_.settings.temp_file = work_.File("no folder\\run.scr");
  Run(IDM_RUN_PER_ROW);
  app_.settings.temp_file = script;
  app_.settings.autocad_file = cad_.File("missing.exe");
  Run(IDM_RUN_PER_ROW);
  Texts expected = {Tail("a.dwg", "起動失敗", "")};
  expected.insert(expected.end(), never.begin(), never.end());
  expected.push_back(Tail("a.dwg", "起動失敗", ""));
  expected.insert(expected.end(), never.begin(), never.end());
  EXPECT_EQ(RecordFrom(1), expected);
  EXPECT_EQ(prompter_.shown, (Boxes{Box(owner, "実行スクリプトファイルが開けません",
                                        "ファイルＯＰＥＮエラー", Icon::kWarning),
                                    Box(owner, "環境設定でAutoCad在処を正しく設定して下さい。",
                                        "AutoCadが起動出来ません。", Icon::kNone)}));
  EXPECT_EQ(app_.last_run_status, "前回の実行: 3件中3件 失敗");
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));

  // Every drawing missing, and Yes: each is recorded and stays selected, and the box says so.
  prompter_.shown.clear();
  for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) DeleteFileA(drawings_.File(name).c_str());
  prompter_.answers = {Answer::kYes};
  Run(IDM_RUN_ALL);
  EXPECT_EQ(RecordFrom(7),
            (Texts{"全スクリプト," + drawings_.File("a.dwg") + ",\"PDF,A\",,図面なし,",
                   "全スクリプト," + drawings_.File("b.dwg") + ",\"PDF,A\",,図面なし,",
                   "全スクリプト," + drawings_.File("c.dwg") + ",\"PDF,A\",,図面なし,"}));
  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_EQ(prompter_.shown[1], Summary("3件中3件が正常に終了しませんでした。\r\n"
                                        "それらの行を選択してあります。"));
  EXPECT_EQ(app_.last_run_status, "前回の実行: 図面なし");
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(StandInRuns(cad_).empty());
}

// Fault 8: the session ends during a run. The query is let through; at the end AutoCAD is
// ended, its drawing recorded 中止 and the rest 未実行, and the list and settings are saved.
TEST_F(RunCommandsTest, TheEndOfTheSessionEndsAutoCadRecordsAndSavesEverything) {
  cad_.Write("standin.hang", "a.dwg");
  Command(IDM_RUN_PER_ROW);
  ASSERT_TRUE(Started(1));
  EXPECT_EQ(SendMessageA(window_, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(app_.run);
  SendMessageA(window_, WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(app_.run);
  EXPECT_FALSE(StandInRuns(cad_)[0].ended);
  EXPECT_EQ(RecordFrom(1), (Texts{Tail("a.dwg", "中止", ""), Tail("b.dwg", "未実行", ""),
                                  Tail("c.dwg", "未実行", "")}));
  EXPECT_NE(folder_.Read("listview.ini").find("c.dwg"), std::string::npos);
  for (const char* name : {"drawlot.ini", "plot_set.ini"}) EXPECT_TRUE(folder_.Exists(name));
  EXPECT_TRUE(prompter_.shown.empty());
}

// Twelve drawings, four a start, two AutoCADs at once; the second start hangs past its limit.
// The other starts go on, each on its own script file; the hanging start's four drawings are
// 時間切れ and selected.
TEST_F(RunCommandsTest, BatchesOfFourOnTwoAutoCadsGoOnPastAStartThatHangs) {
  for (const char* name : {"d", "e", "f", "g", "h", "i", "j", "k", "l"}) {
    AddDrawing(std::string(name) + ".dwg");
  }
  app_.program_settings.run = RunSettings{1, true, true, 4, 2};
  cad_.Write("standin.hang", "e.dwg");
  MakeStandInWait(cad_, 300);  // the first start still runs when the second begins
  Run(IDM_RUN_PER_ROW);
  auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 3u);
  // The first two start together, and either may write its entry first.
  std::sort(runs.begin(), runs.begin() + 2,
            [](const auto& a, const auto& b) { return a.script_path < b.script_path; });
  const auto blocks = [&](std::initializer_list<const char*> names) {
    std::string script;
    for (const char* name : names) script += "open \"" + drawings_.File(name) + "\"\r\n";
    return script + "open \"C:\\END\\end.dwg\"\r\nquit\r\n";
  };
  EXPECT_EQ(runs[0].script, blocks({"a.dwg", "b.dwg", "c.dwg", "d.dwg"}));
  EXPECT_EQ(runs[1].script, blocks({"e.dwg", "f.dwg", "g.dwg", "h.dwg"}));
  EXPECT_EQ(runs[2].script, blocks({"i.dwg", "j.dwg", "k.dwg", "l.dwg"}));
  EXPECT_EQ(runs[0].script_path, work_.File("run.scr"));
  EXPECT_EQ(runs[1].script_path, work_.File("run_2.scr"));
  EXPECT_EQ(runs[2].script_path, work_.File("run.scr"));  // the first AutoCAD's, free again
  EXPECT_FALSE(runs[1].ended);
  Texts expected;
  for (const char* name : {"a.dwg", "b.dwg", "c.dwg", "d.dwg", "i.dwg", "j.dwg", "k.dwg", "l.dwg"})
    expected.push_back(Tail(name, "完了", "0"));
  for (const char* name : {"e.dwg", "f.dwg", "g.dwg", "h.dwg"})
    expected.push_back(Tail(name, "時間切れ", ""));
  EXPECT_EQ(RecordFrom(1), expected);
  EXPECT_EQ(Selected(), (std::vector<int>{4, 5, 6, 7}));
  EXPECT_EQ(prompter_.shown, (Boxes{Summary("12件中4件が正常に終了しませんでした。\r\n"
                                            "それらの行を選択してあります。")}));
}

// A run cut off at its third drawing (its journal as a crash leaves it) is asked about at the
// next start: Yes selects what it did not finish. Then a drawing written since its plot and one
// never plotted are selected by 前回の印刷後に変更された図面を選択.
TEST_F(RunCommandsTest, ACutOffRunIsPickedUpAndChangedDrawingsAreSelected) {
  cad_.Write("standin.hang", "c.dwg");
  Command(IDM_RUN_PER_ROW);
  ASSERT_TRUE(PumpUntil([&] { return StandInRuns(cad_).size() == 3; }));
  const std::string journal = folder_.Read("drawlot_run.pending");
  EXPECT_EQ(journal.rfind("開始,毎行(１処理),", 0), 0u);
  EndRunNow(app_);                                      // as a close answered Yes does
  EXPECT_FALSE(folder_.Exists("drawlot_run.pending"));  // an ended run leaves none
  // The start after a crash, on the same list: the journal is there.
  folder_.Write("drawlot_run.pending", journal);
  const std::size_t recorded = RecordTails().size();
  prompter_.shown.clear();
  prompter_.answers = {Answer::kYes};
  PickUpCutOffRun(app_);
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Question("前回の実行は途中で終わりました（3件中2件が終了）。残りの1件を選択しますか？",
                      "前回の実行")}));
  EXPECT_EQ(Selected(), (std::vector<int>{2}));
  EXPECT_FALSE(folder_.Exists("drawlot_run.pending"));
  EXPECT_EQ(RecordTails().size(), recorded);  // the record had every line the journal holds

  // a.dwg written an hour after its plot; b.dwg as it was plotted; c.dwg never plotted.
  const HANDLE file = CreateFileA(drawings_.File("a.dwg").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME later;
  GetSystemTimeAsFileTime(&later);
  reinterpret_cast<ULARGE_INTEGER&>(later).QuadPart += 36000000000ull;
  SetFileTime(file, nullptr, nullptr, &later);
  CloseHandle(file);
  SelectChangedDrawingsCommand(app_);
  EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
  EXPECT_EQ(app_.selection_report, "変更 1件・未印刷 1件を選択しました");
}

TEST_F(RunCommandsTest, RunSettingsShowTheDefaultsRefuseABadLimitAndKeepWhatOkTakes) {
  Texts shown;
  std::vector<WindowRef> dialogs;
  const auto fill = [&](const char* limit, const char* per_start, const char* parallel) {
    return [&shown, &dialogs, limit, per_start, parallel](HWND dialog) {
      dialogs.push_back(reinterpret_cast<WindowRef>(dialog));
      shown.push_back(WindowText(GetDlgItem(dialog, IDC_RUN_LIMIT)) +
                      (IsDlgButtonChecked(dialog, IDC_RUN_CHECK_MISSING) ? " check" : "") +
                      (IsDlgButtonChecked(dialog, IDC_RUN_RECORD) ? " record " : " ") +
                      WindowText(GetDlgItem(dialog, IDC_RUN_PER_START)) + "/" +
                      WindowText(GetDlgItem(dialog, IDC_RUN_PARALLEL)));
      SetDlgItemTextA(dialog, IDC_RUN_LIMIT, limit);
      SetDlgItemTextA(dialog, IDC_RUN_PER_START, per_start);
      SetDlgItemTextA(dialog, IDC_RUN_PARALLEL, parallel);
      CheckDlgButton(dialog, IDC_RUN_RECORD, BST_UNCHECKED);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_OK, BN_CLICKED), 0);
      if (IsWindowVisible(dialog))
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_RUN_CANCEL, 0), 0);
    };
  };
  const std::array<const char*, 3> refused[] = {
      {"86401", "1", "1"}, {"10", "51", "1"}, {"10", "1", "9"}};
  for (const auto& [limit, per_start, parallel] : refused) {
    ModalAnswerer answer("実行の設定", fill(limit, per_start, parallel));
    Command(IDM_RUN_SETTINGS);
  }
  {
    ModalAnswerer taken("実行の設定", fill("120", "１０", "4"));
    Command(IDM_RUN_SETTINGS);
  }
  EXPECT_EQ(shown, Texts(4, "0 check record 1/1"));
  ASSERT_EQ(dialogs.size(), 4u);
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(dialogs[0], "制限時間は0～86400秒で入力して下さい。", "入力エラー",
                       Icon::kWarning),
                   Box(dialogs[1], "１回の起動の図面数は1～50で入力して下さい。", "入力エラー",
                       Icon::kWarning),
                   Box(dialogs[2], "同時に動かすAutoCADの数は1～8で入力して下さい。", "入力エラー",
                       Icon::kWarning)}));
  EXPECT_EQ(app_.program_file.Bytes(app_.program_settings),
            "run_time_limit=120\r\nrun_check_missing=1\r\nrun_record=0\r\n"
            "run_drawings_per_start=10\r\nrun_parallel=4\r\n");
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
