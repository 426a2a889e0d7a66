#include "core/script/autocad_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/list/list_test_support.h"
#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_launcher.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Item;
using testing::RecordingLauncher;
using testing::RecordingPrompter;
using testing::SelectedRows;
using testing::Slots;
using testing::TempFolder;
using testing::Visible;

constexpr WindowRef kOwner = 0x4321;
constexpr char kProgram[] = "C:\\Program Files\\ACAD LT 2000\\aclt.exe";
constexpr std::string_view kTrailer = "open \"C:\\END\\end.dwg\"\r\nquit\r\n";

// File name and folder columns, and a hidden item that opens the drawing.
ItemSlots OpenSlots() {
  return Slots({Item().display(1), Item().display(2), Item().output(1).command("open")});
}

std::string OpenLine(std::string_view name) {
  return "open \"C:\\dwg\\" + std::string(name) + "\"\r\n";
}

std::string RowScript(std::string_view name) {
  return OpenLine(name) + std::string(kTrailer);
}

class FakeTimer : public RunTimer {
 public:
  void Start(int milliseconds) override {
    periods.push_back(milliseconds);
    running = true;
  }
  void Stop() override { running = false; }

  bool running = false;
  std::vector<int> periods;
};

class AutoCadRunTest : public ::testing::Test {
 protected:
  AutoCadRunTest() {
    settings.autocad_file = kProgram;
    settings.temp_file = folder.File("atc print.scr");
    settings.end_file_dwg = "C:\\END\\end.dwg";
    rows.InsertColumn(0, "name", 50);
    rows.InsertColumn(1, "folder", 50);
    // What AutoCAD would find in the script file at the moment it is started.
    launcher.on_run = [this](const RecordingLauncher::Run&) {
      scripts.push_back(ReadFileBytes(std::string(settings.temp_file.view())).value_or("?"));
    };
  }

  void AddRows(std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
      const int row = rows.InsertRow(rows.RowCount(), name, kIconDwg, tags.Next());
      rows.SetCell(row, 1, "C:\\dwg");
    }
  }
  void Select(std::initializer_list<int> selected) {
    for (int row : selected) rows.SetRowState(row, kMarkStates, kMarkStates);
  }
  std::string Script() const {
    return ReadFileBytes(std::string(settings.temp_file.view())).value_or("(none)");
  }
  void ExpectOneBox(std::string_view text, std::string_view title, Icon icon) {
    EXPECT_EQ(prompter.shown, (testing::Boxes{testing::Box(kOwner, text, title, icon)}));
  }
  // Ticks until the run is no longer armed; the number of ticks.
  int TickToTheEnd() {
    int ticks = 0;
    while (timed.armed && ticks < 100) {
      EXPECT_TRUE(timer.running);
      TimedRunTick(timed, timer, run);
      EXPECT_FALSE(timer.running && !timed.armed);
      ++ticks;
    }
    return ticks;
  }

  TempFolder folder{"実行 表"};
  EnvironmentSettings settings{};
  ItemSlots items = OpenSlots();
  InMemoryRowStore rows;
  RowTagSource tags;
  RecordingLauncher launcher;
  RecordingPrompter prompter;
  RunContext run{kOwner, rows, items, settings, launcher, prompter};
  std::vector<std::string> scripts;
  FakeTimer timer;
  TimedRun timed;
};

// ---- The command line -----------------------------------------------------------------------

TEST(AutoCadCommandLine, IsSlashBAndTheQuotedPathAfterALeadingSpace) {
  EXPECT_EQ(AutoCadCommandLine("C:\\my work\\表\\atcprint.scr"),
            " /b \"C:\\my work\\表\\atcprint.scr\"");
  EXPECT_EQ(AutoCadCommandLine(""), " /b \"\"");
}

TEST(AutoCadCommandLine, HoldsA253BytePathAndRefusesALongerOne) {
  const std::string longest = "C:\\" + std::string(250, 'a');
  ASSERT_EQ(longest.size(), 253u);
  const auto line = AutoCadCommandLine(longest);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->size(), 259u);  // and the terminator makes 260
  EXPECT_FALSE(AutoCadCommandLine(longest + "b").has_value());
}

// ---- LaunchAutoCad ----------------------------------------------------------------------------

TEST_F(AutoCadRunTest, LaunchStartsTheProgramOnTheScriptAndWaits) {
  EXPECT_TRUE(LaunchAutoCad(run));
  ASSERT_EQ(launcher.runs.size(), 1u);
  EXPECT_EQ(launcher.runs[0].program, kProgram);
  EXPECT_EQ(launcher.runs[0].command_line, " /b \"" + folder.File("atc print.scr") + "\"");
  EXPECT_TRUE(launcher.started.empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AutoCadRunTest, LaunchThatCannotStartShowsThePlainBox) {
  launcher.programs_start = false;
  EXPECT_FALSE(LaunchAutoCad(run));
  ExpectOneBox("環境設定でAutoCad在処を正しく設定して下さい。", "AutoCadが起動出来ません。",
               Icon::kNone);
}

TEST_F(AutoCadRunTest, LaunchRefusesAScriptPathThatDoesNotFitWithoutCuttingIt) {
  settings.temp_file = "C:\\" + std::string(251, 'x');
  EXPECT_FALSE(LaunchAutoCad(run));
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox(kScriptPathTooLongText, "AutoCadが起動出来ません。", Icon::kWarning);
}

// ---- Script and run ----------------------------------------------------------------------------

TEST_F(AutoCadRunTest, AllRowsGoIntoOneScriptAndOneRun) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  Select({1});
  EXPECT_TRUE(WriteScriptAndLaunch(run, ScriptRowScope::kAll));
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(Visible(scripts[0]), Visible(OpenLine("a.dwg") + OpenLine("b.dwg") + OpenLine("c.dwg") +
                                         std::string(kTrailer)));
  EXPECT_EQ(SelectedRows(rows), std::vector<int>{1});  // scope 0 leaves the marks alone
}

TEST_F(AutoCadRunTest, SelectedScopesWriteTheSelectedRowsAndUnmarkThem) {
  for (ScriptRowScope scope : {ScriptRowScope::kSelected, ScriptRowScope::kSelectedOrAll}) {
    SCOPED_TRACE(static_cast<int>(scope));
    rows.DeleteAllRows();
    scripts.clear();
    AddRows({"a.dwg", "b.dwg", "c.dwg", "d.dwg"});
    Select({3, 1});
    EXPECT_TRUE(WriteScriptAndLaunch(run, scope));
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(Visible(scripts[0]),
              Visible(OpenLine("b.dwg") + OpenLine("d.dwg") + std::string(kTrailer)));
    EXPECT_TRUE(SelectedRows(rows).empty());
  }
}

TEST_F(AutoCadRunTest, ScopeTwoWithoutASelectionRunsEveryRowAndScopeOneRefuses) {
  AddRows({"a.dwg", "b.dwg"});
  EXPECT_TRUE(WriteScriptAndLaunch(run, ScriptRowScope::kSelectedOrAll));
  ASSERT_EQ(scripts.size(), 1u);
  EXPECT_EQ(Visible(scripts[0]),
            Visible(OpenLine("a.dwg") + OpenLine("b.dwg") + std::string(kTrailer)));

  EXPECT_FALSE(WriteScriptAndLaunch(run, ScriptRowScope::kSelected));
  EXPECT_EQ(launcher.runs.size(), 1u);
  ExpectOneBox("ファイルが選択していません", "選択ミス", Icon::kWarning);
  EXPECT_EQ(Script(), "");
}

TEST_F(AutoCadRunTest, ScriptThatCannotBeWrittenIsNotRun) {
  AddRows({"a.dwg"});
  settings.temp_file = JoinPath(folder.File("no such folder"), "atc.scr");
  EXPECT_FALSE(WriteScriptAndLaunch(run, ScriptRowScope::kAll));
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー", Icon::kWarning);
}

TEST_F(AutoCadRunTest, TooLongScriptPathIsRefusedBeforeTheScriptIsWritten) {
  AddRows({"a.dwg", "b.dwg"});
  Select({0});
  const std::string long_path = folder.File(std::string(254, 'n'));
  settings.temp_file = long_path;
  ASSERT_GT(settings.temp_file.view().size(), kMaxScriptPathBytes);
  EXPECT_FALSE(WriteScriptAndLaunch(run, ScriptRowScope::kSelected));
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox(kScriptPathTooLongText, "AutoCadが起動出来ません。", Icon::kWarning);
  EXPECT_FALSE(ReadFileBytes(std::string(settings.temp_file.view())).has_value());
  EXPECT_EQ(SelectedRows(rows), std::vector<int>{0});  // nothing was done to the rows
}

// ---- The blocking per-row loop ---------------------------------------------------------------

TEST_F(AutoCadRunTest, PerRowLoopRunsEachRowWithItsOwnScriptAndPausesAfterEach) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  RunPerRow(run);
  EXPECT_EQ(scripts,
            (std::vector<std::string>{RowScript("a.dwg"), RowScript("b.dwg"), RowScript("c.dwg")}));
  EXPECT_EQ(launcher.events,
            (std::vector<std::string>{"run", "pause", "run", "pause", "run", "pause"}));
  EXPECT_EQ(launcher.pauses, (std::vector<int>{500, 500, 500}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AutoCadRunTest, PerRowLoopTakesOnlyTheSelectedRowsInListOrder) {
  AddRows({"a.dwg", "b.dwg", "c.dwg", "d.dwg"});
  Select({3, 0});
  RunPerRow(run);
  EXPECT_EQ(scripts, (std::vector<std::string>{RowScript("a.dwg"), RowScript("d.dwg")}));
  EXPECT_TRUE(SelectedRows(rows).empty());
}

TEST_F(AutoCadRunTest, PerRowLoopStopsWhenTheScriptCannotBeOpened) {
  AddRows({"a.dwg", "b.dwg"});
  settings.temp_file = JoinPath(folder.File("no such folder"), "atc.scr");
  RunPerRow(run);
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー", Icon::kWarning);
}

TEST_F(AutoCadRunTest, PerRowLoopRefusesATooLongScriptPath) {
  AddRows({"a.dwg"});
  settings.temp_file = folder.File(std::string(254, 'n'));
  RunPerRow(run);
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox(kScriptPathTooLongText, "AutoCadが起動出来ません。", Icon::kWarning);
}

// ---- The timed run ------------------------------------------------------------------------------

TEST_F(AutoCadRunTest, TimedRunWithSelectionTicksForEveryRowAndRunsTheSelectedOnes) {
  AddRows({"a.dwg", "b.dwg", "c.dwg", "d.dwg", "e.dwg"});
  Select({1, 3});
  StartTimedRun(timed, timer, run);
  EXPECT_EQ(TickToTheEnd(), 5);
  EXPECT_EQ(scripts, (std::vector<std::string>{RowScript("b.dwg"), RowScript("d.dwg")}));
  EXPECT_TRUE(SelectedRows(rows).empty());
  EXPECT_FALSE(timer.running);
  EXPECT_EQ(timer.periods, std::vector<int>(5, 500));  // one-shot, started again per row
  EXPECT_TRUE(launcher.pauses.empty());
}

TEST_F(AutoCadRunTest, TimedRunStartedAgainWhileArmedStartsOverAtRowZero) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  StartTimedRun(timed, timer, run);
  TimedRunTick(timed, timer, run);
  TimedRunTick(timed, timer, run);
  AddRows({"d.dwg"});
  StartTimedRun(timed, timer, run);
  EXPECT_EQ(timed.row_index, 0);
  EXPECT_EQ(timed.row_count, 4);
  EXPECT_EQ(TickToTheEnd(), 4);
  EXPECT_EQ(scripts,
            (std::vector<std::string>{RowScript("a.dwg"), RowScript("b.dwg"), RowScript("a.dwg"),
                                      RowScript("b.dwg"), RowScript("c.dwg"), RowScript("d.dwg")}));
}

TEST_F(AutoCadRunTest, TimedRunSkipsRowsDeletedWhileArmed) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  StartTimedRun(timed, timer, run);
  TimedRunTick(timed, timer, run);
  rows.DeleteRow(2);
  rows.DeleteRow(1);
  EXPECT_EQ(TickToTheEnd(), 2);
  EXPECT_EQ(scripts, std::vector<std::string>{RowScript("a.dwg")});
}

TEST_F(AutoCadRunTest, EndedTimedRunIgnoresALateTick) {
  AddRows({"a.dwg", "b.dwg"});
  StartTimedRun(timed, timer, run);
  EndTimedRun(timed, timer);
  EXPECT_FALSE(timer.running);
  TimedRunTick(timed, timer, run);
  EXPECT_TRUE(launcher.runs.empty());
  EXPECT_FALSE(timer.running);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AutoCadRunTest, TimedRunWithATooLongScriptPathIsNotArmed) {
  AddRows({"a.dwg"});
  settings.temp_file = folder.File(std::string(254, 'n'));
  StartTimedRun(timed, timer, run);
  EXPECT_FALSE(timed.armed);
  EXPECT_FALSE(timer.running);
  ExpectOneBox(kScriptPathTooLongText, "AutoCadが起動出来ません。", Icon::kWarning);
}

TEST_F(AutoCadRunTest, TimedRunWhoseScriptPathGrowsTooLongWhileArmedEnds) {
  AddRows({"a.dwg", "b.dwg"});
  StartTimedRun(timed, timer, run);
  settings.temp_file = folder.File(std::string(254, 'n'));
  EXPECT_EQ(TickToTheEnd(), 1);
  EXPECT_TRUE(launcher.runs.empty());
  ExpectOneBox(kScriptPathTooLongText, "AutoCadが起動出来ません。", Icon::kWarning);
}

}  // namespace
}  // namespace drawlot
