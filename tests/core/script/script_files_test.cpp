#include "core/script/script_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/list/list_file.h"
#include "core/list/list_test_support.h"
#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_launcher.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::ColumnTexts;
using testing::RecordingLauncher;
using testing::RecordingPrompter;
using testing::ScriptedFileNamePicker;
using testing::TempFolder;

constexpr WindowRef kOwner = 0x77;
constexpr char kStartup[] = "C:\\Drawlot 起動";
constexpr char kNotepad[] = "C:\\Windows\\system32\\notepad.exe";

void ExpectFilters(const FileDialogRequest& request, std::string_view label,
                   std::string_view pattern) {
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].description, label);
  EXPECT_EQ(request.filters[0].pattern, pattern);
  EXPECT_EQ(request.filters[1].description, "AllFile(*.*)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
}

TEST(ScriptFileDialog, SavesScrFilesFromTheStartupFolder) {
  const FileDialogRequest request = ScriptFileDialog(kOwner, kStartup);
  EXPECT_EQ(request.owner, kOwner);
  EXPECT_EQ(request.kind, FileDialogKind::kSave);
  EXPECT_EQ(request.title, "ファイル書込");
  ExpectFilters(request, "ScrFile(*.scr)", "*.scr");
  EXPECT_EQ(request.initial_name, "C:\\Drawlot 起動\\*.scr");
}

TEST(ListFileDialog, SavesAndLoadsIniFilesFromTheStartupFolder) {
  const FileDialogRequest save = ListFileDialog(kOwner, FileDialogKind::kSave, kStartup);
  EXPECT_EQ(save.kind, FileDialogKind::kSave);
  EXPECT_EQ(save.title, "ファイル書込");
  ExpectFilters(save, "IniFile(*.ini)", "*.ini");
  EXPECT_EQ(save.initial_name, "C:\\Drawlot 起動\\*.ini");

  const FileDialogRequest load = ListFileDialog(kOwner, FileDialogKind::kOpen, kStartup);
  EXPECT_EQ(load.kind, FileDialogKind::kOpen);
  EXPECT_EQ(load.title, "ファイル読込");
  ExpectFilters(load, "IniFile(*.ini)", "*.ini");
  EXPECT_EQ(load.initial_name, "C:\\Drawlot 起動\\*.ini");
}

TEST(ScriptFileDialog, PatternFollowsOneSeparator) {
  // A drive root already ends in its separator; a folder ending in 表 (95 5C) does not.
  EXPECT_EQ(ScriptFileDialog(0, "C:\\").initial_name, "C:\\*.scr");
  EXPECT_EQ(ScriptFileDialog(0, "C:\\図面\\表").initial_name, "C:\\図面\\表\\*.scr");
}

class ScriptFilesTest : public ::testing::Test {
 protected:
  ScriptFilesTest() {
    rows.InsertColumn(0, "name", 50);
    rows.InsertColumn(1, "folder", 50);
    settings.temp_file = "C:\\作業 フォルダ\\表\\atcprint.scr";
  }
  void AddRow(std::string_view name) {
    const int row = rows.InsertRow(rows.RowCount(), name, kIconDwg, tags.Next());
    rows.SetCell(row, 1, "C:\\dwg");
  }

  TempFolder folder{"files"};
  InMemoryRowStore rows;
  RowTagSource tags;
  ItemSlots items{};
  EnvironmentSettings settings{};
  ScriptedFileNamePicker picker;
  RecordingPrompter prompter;
  RecordingLauncher launcher;
};

TEST_F(ScriptFilesTest, CancelledScriptSaveWritesNothingAndSaysNothing) {
  AddRow("a.dwg");
  rows.SetRowState(0, kMarkStates, kMarkStates);
  EXPECT_FALSE(SaveScriptFile(kOwner, rows, ScriptRowScope::kSelected, kStartup, picker, items,
                              settings, prompter));
  ASSERT_EQ(picker.asked.size(), 1u);
  EXPECT_EQ(picker.asked[0].title, "ファイル書込");
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(rows.NextSelectedRow(), 0);  // the rows are not touched
}

TEST_F(ScriptFilesTest, ScriptSaveOfNoSelectionIsRefusedLikeTheRun) {
  AddRow("a.dwg");
  picker.answers.push_back(folder.File("run"));
  EXPECT_FALSE(SaveScriptFile(kOwner, rows, ScriptRowScope::kSelected, kStartup, picker, items,
                              settings, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "ファイルが選択していません");
}

TEST_F(ScriptFilesTest, CancelledListSaveWritesNothing) {
  AddRow("a.dwg");
  SaveListToFile(kOwner, rows, kStartup, picker, prompter);
  ASSERT_EQ(picker.asked.size(), 1u);
  EXPECT_EQ(picker.asked[0].kind, FileDialogKind::kSave);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ScriptFilesTest, LoadReplacesTheRowsWithTheFilesRows) {
  AddRow("old.dwg");
  folder.Write("saved.ini", "max_cont=2\r\nx.dxf;C:\\x\r\ny.dwg;C:\\y\r\n");
  ReplaceListFromFile(kOwner, rows, folder.File("saved.ini"), tags, prompter);
  EXPECT_EQ(ColumnTexts(rows, 0), (std::vector<std::string>{"x.dxf", "y.dwg"}));
  EXPECT_EQ(ColumnTexts(rows, 1), (std::vector<std::string>{"C:\\x", "C:\\y"}));
}

TEST_F(ScriptFilesTest, LoadOfAFileThatIsNoListSaysSoAndKeepsTheRows) {
  AddRow("old.dwg");
  folder.Write("other.ini", "something else\r\nmax_cont=1\r\n");
  // A large file without a single line end: only a bounded head of it is ever held.
  folder.Write("big.dwg", std::string(kListLineMaxBytes * 4, 'x'));
  folder.MakeFolder("folder.ini");
  const std::string not_a_list = "リストファイルではありません。リストはそのままです。";
  const std::string unreadable = "ファイルを読込出来ません。リストはそのままです。";
  const std::vector<std::pair<std::string, std::string>> cases = {{"other.ini", not_a_list},
                                                                  {"big.dwg", not_a_list},
                                                                  {"", not_a_list},
                                                                  {"missing.ini", unreadable},
                                                                  {"folder.ini", unreadable}};
  folder.Write("empty.ini", "");
  for (const auto& [name, text] : cases) {
    prompter.shown.clear();
    ReplaceListFromFile(kOwner, rows, folder.File(name.empty() ? "empty.ini" : name), tags,
                        prompter);
    EXPECT_EQ(ColumnTexts(rows, 0), std::vector<std::string>{"old.dwg"}) << name;
    ASSERT_EQ(prompter.shown.size(), 1u) << name;
    EXPECT_EQ(prompter.shown[0].text, text) << name;
    EXPECT_EQ(prompter.shown[0].title, "ファイル読込");
    EXPECT_EQ(prompter.shown[0].icon, Icon::kWarning);
    EXPECT_EQ(prompter.shown[0].owner, kOwner);
  }
}

TEST_F(ScriptFilesTest, ALoadCutShortByAnOverlongLineSaysSo) {
  AddRow("old.dwg");
  folder.Write("cut.ini", "max_cont=3\r\na.dwg;\r\n" + std::string(kListLineMaxBytes + 1, 'x') +
                              "\r\nc.dwg;\r\n");
  ReplaceListFromFile(kOwner, rows, folder.File("cut.ini"), tags, prompter);
  EXPECT_EQ(ColumnTexts(rows, 0), std::vector<std::string>{"a.dwg"});
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0],
            (Message{kOwner, "リストファイルを最後まで読込出来ませんでした。読込めた行までです。",
                     "ファイル読込", Buttons::kOk, Icon::kWarning}));
}

TEST_F(ScriptFilesTest, NotepadIsStartedOnTheQuotedScriptPathWithoutWaiting) {
  EditScriptFile(kOwner, settings, kNotepad, launcher, prompter);
  EXPECT_EQ(launcher.started_programs, std::vector<std::string>{kNotepad});
  EXPECT_EQ(launcher.started,
            std::vector<std::string>{"notepad.exe \"C:\\作業 フォルダ\\表\\atcprint.scr\""});
  EXPECT_TRUE(launcher.runs.empty());
  EXPECT_TRUE(prompter.shown.empty());
  EditScriptFile(kOwner, settings, kNotepad, launcher,
                 prompter);  // a second window on the same file
  EXPECT_EQ(launcher.started.size(), 2u);
}

TEST_F(ScriptFilesTest, NotepadThatCannotStartShowsThePlainBox) {
  launcher.programs_start = false;
  EditScriptFile(kOwner, settings, kNotepad, launcher, prompter);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "notepad.exeが見つかりませんでした。");
  EXPECT_EQ(prompter.shown[0].title, "スクリプトファイル編集");
  EXPECT_EQ(prompter.shown[0].owner, kOwner);
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::kOk);
  EXPECT_EQ(prompter.shown[0].icon, Icon::kNone);
}

}  // namespace
}  // namespace drawlot
