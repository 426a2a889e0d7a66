// Watched runs over the in-memory list: what the record says, which rows stay selected, what
// the boxes say, and the time limit each process gets.
#include "core/script/run_session.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/list/list_test_support.h"
#include "core/script/autocad_run.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_launcher.h"
#include "support/recording_prompter.h"
#include "support/step_clock.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::Item;
using Texts = std::vector<std::string>;

constexpr WindowRef kOwner = 0x77;

// Time passes only while AutoCAD runs: two seconds a drawing.
using testing::StepClock;

class ScriptedProgress : public RunProgress {
 public:
  void DrawingStarted(int number, int total, std::string_view drawing, int drawings) override {
    shown.push_back(std::to_string(number) + "/" + std::to_string(total) + " " +
                    std::string(drawing) + " " + std::to_string(drawings));
    if (number == stop_at) stop = true;
  }
  bool StopRequested() const override { return stop; }
  bool EndProcessRequested() const override { return false; }
  Texts shown;
  int stop_at = 0;
  bool stop = false;
};

class RunSessionTest : public ::testing::Test {
 protected:
  RunSessionTest() {
    settings.autocad_file = "C:\\acad\\acad.exe";
    settings.temp_file = folder.File("run.scr");
    settings.end_file_dwg = "C:\\END\\end.dwg";
    items = testing::Slots({Item().display(1), Item().display(2), Item().output(1).command("open"),
                            Item().display(4).edit(3), Item().display(4).edit(4)});
    for (int column = 0; column < 4; ++column) rows.InsertColumn(column, "c", 50);
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) {
      const int row = rows.InsertRow(rows.RowCount(), name, kIconDwg, tags.Next());
      rows.SetCell(row, 1, "C:\\図面\\表");
      rows.SetCell(row, 2, "PDF,1");
      rows.SetCell(row, 3, "A3");
    }
    session.drawing_exists = [this](const std::string& path) { return !missing.count(path); };
    launcher.on_run = [this](const testing::RecordingLauncher::Run&) { clock.ms += 2000; };
    run.session = &session;
  }
  Texts Record() const {
    Texts lines;
    const std::string bytes = folder.Read(kRunRecordFileName);
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
      lines.push_back(bytes.substr(at, end - at));
    }
    return lines;
  }
  static std::string Line(int start, char name, std::string_view result, std::string_view code) {
    return "2026/12/07 09:00:0" + std::to_string(start) + ",2026/12/07 09:00:0" +
           std::to_string(start + 2) + ",2,毎行(１処理),C:\\図面\\表\\" + std::string(1, name) +
           ".dwg,\"PDF,1\",A3," + std::string(result) + "," + std::string(code);
  }

  testing::TempFolder folder{"記録 表"};
  EnvironmentSettings settings{};
  ItemSlots items{};
  InMemoryRowStore rows;
  RowTagSource tags;
  testing::RecordingLauncher launcher;
  testing::RecordingPrompter prompter;
  StepClock clock;
  ScriptedProgress progress;
  std::set<std::string> missing;
  RunSession session{RunMode::kPerRowLoop, RunSettings{30, true, true}, folder.path(), clock,
                     progress};
  RunContext run{kOwner, rows, items, settings, launcher, prompter};
};

TEST_F(RunSessionTest, ATimedOutDrawingIsRecordedAndStaysSelectedAndTheRunGoesOn) {
  launcher.ends = {
      {ProcessEndKind::kExited, 0}, {ProcessEndKind::kTimedOut, 1}, {ProcessEndKind::kExited, 4}};
  RunPerRow(run);
  EXPECT_EQ(launcher.limits, (std::vector<std::uint64_t>{30000, 30000, 30000}));
  EXPECT_EQ(progress.shown, (Texts{"1/3 C:\\図面\\表\\a.dwg 0", "2/3 C:\\図面\\表\\b.dwg 0",
                                   "3/3 C:\\図面\\表\\c.dwg 0"}));
  EXPECT_EQ(Record(), (Texts{std::string(kRunRecordHeader), Line(0, 'a', "完了", "0"),
                             Line(2, 'b', "時間切れ", ""), Line(4, 'c', "異常終了", "4")}));
  SelectRowsThatDidNotEndWell(rows, session, prompter, kOwner);
  EXPECT_EQ(testing::SelectedRows(rows), (std::vector<int>{1, 2}));
  EXPECT_EQ(
      prompter.shown,
      (Boxes{Box(kOwner, "3件中2件が正常に終了しませんでした。\r\nそれらの行を選択してあります。",
                 "実行結果", Icon::kWarning)}));
  EXPECT_EQ(RunStatusText(session), "前回の実行: 3件中2件 失敗");
}

TEST_F(RunSessionTest, AMissingDrawingIsLeftOutOnYesAndNothingRunsOnNo) {
  missing = {"C:\\図面\\表\\b.dwg"};
  const Message box = Box(kOwner,
                          "図面ファイルが見つかりません（1件）。\r\n\r\nb.dwg\r\n\r\n"
                          "見つからない図面を除いて実行しますか？\r\n（いいえ：何も実行しません）",
                          "図面なし", Icon::kQuestion, Buttons::kYesNo);
  prompter.answers = {Answer::kNo};
  RunPerRow(run);
  EXPECT_TRUE(launcher.runs.empty());
  EXPECT_EQ(session.RowsMet(), 0);
  prompter.answers = {Answer::kYes};
  RunPerRow(run);
  EXPECT_EQ(prompter.shown, (Boxes{box, box}));
  EXPECT_EQ(launcher.runs.size(), 2u);
  EXPECT_EQ(Record()[2],
            "2026/12/07 09:00:02,2026/12/07 09:00:02,0,毎行(１処理),"
            "C:\\図面\\表\\b.dwg,\"PDF,1\",A3,図面なし,");
  EXPECT_EQ(session.NotWell(), (std::vector<int>{1}));
}

TEST_F(RunSessionTest, StopEndsTheRunAfterTheDrawingInProgress) {
  for (int row : {0, 1, 2}) rows.SetRowState(row, kMarkStates, kMarkStates);
  progress.stop_at = 2;
  RunPerRow(run);
  EXPECT_EQ(launcher.runs.size(), 2u);
  EXPECT_EQ(launcher.pauses.size(), 1u);
  EXPECT_EQ(session.NotWell(), (std::vector<int>{2}));  // not reached, still to run
}

TEST_F(RunSessionTest, ASingleScriptGetsTheLimitTimesItsDrawingsAndOneRecordLine) {
  RunSession single(RunMode::kAllScript, RunSettings{30, true, true}, folder.path(), clock,
                    progress);
  run.session = &single;
  launcher.ends = {{ProcessEndKind::kExited, 0}};
  EXPECT_TRUE(WriteScriptAndLaunch(run, ScriptRowScope::kAll));
  EXPECT_EQ(launcher.limits, (std::vector<std::uint64_t>{90000}));
  EXPECT_EQ(progress.shown, (Texts{"1/1 3 図面 3"}));
  EXPECT_EQ(Record()[1], "2026/12/07 09:00:00,2026/12/07 09:00:02,2,全スクリプト,3 図面,,,完了,0");
}

}  // namespace
}  // namespace drawlot
