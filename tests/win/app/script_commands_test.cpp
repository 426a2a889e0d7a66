// The main window's run, script file, list file and Notepad commands, sent as command and
// timer messages to a real main window, with the AutoCAD stand-in as `autocad_file` and the
// script in a folder whose name has spaces and 表 in it.
#include "win/app/script_commands.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/list/list_file.h"
#include "core/list/list_rows.h"
#include "core/model/script_item.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/recording_launcher.h"
#include "support/recording_prompter.h"
#include "support/script_items.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"
#include "win/app/cell_editor.h"
#include "win/app/main_window.h"
#include "win/support/await_run.h"
#include "win/support/cad_standin.h"
#include "win/support/file_dialog_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char kTrailer[] = "open \"C:\\END\\end.dwg\"\r\nquit\r\n";

// File name, folder, a hidden item that opens the drawing, and the paper as written.
ItemSlots RunSlots() {
  ItemSlots slots{};
  slots[0] = Item("ファイル名").display(1).width(60);
  slots[1] = Item("フォルダ").display(2).width(60);
  slots[2] = Item("開く").output(1).command("open").width(60);
  slots[3] = Item("用紙").display(4).output(4).width(60);
  return slots;
}

// The block a row of RunRow writes: its folder ends in 表 (95 5C) and still gets a separator.
std::string Block(const std::string& name) {
  return "open \"C:\\図面\\表\\" + name + "\"\r\nA3\r\n";
}
std::string RowScript(const std::string& name) {
  return Block(name) + kTrailer;
}

void DrainMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

class ScriptCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    app_.spooler = std::make_unique<InMemoryPrintSpooler>();  // no printers to tell about
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
    WaitForStartupPrinters(app_);  // read on a worker
    prompter_.shown.clear();       // the start-up warnings of an empty start-up folder
    // ... and the environment dialog it opens, which would be taken for a file dialog here.
    if (const HWND environment = FindWindowA("#32770", "環境設定")) DestroyWindow(environment);
    app_.settings.autocad_type = '0';
    app_.items.sets[0].items = RunSlots();
    BuildColumns(*app_.rows, app_.current_items());
    app_.settings.autocad_file = InstallStandIn(cad_, "aclt.exe");
    app_.settings.temp_file = ScriptPath();
    app_.settings.end_file_dwg = "C:\\END\\end.dwg";
    app_.program_settings.run.check_missing = false;  // the rows name drawings never made
  }
  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    DrainMessages();
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  std::string ScriptPath() const { return work_.File("atc print.scr"); }
  std::string Script() const { return work_.Read("atc print.scr"); }
  std::string ExpectedCommandLine() const { return " /b \"" + ScriptPath() + "\""; }

  void AddRows(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const int row = app_.rows->InsertRow(app_.rows->RowCount(), name, kIconDwg, app_.tags.Next());
      app_.rows->SetCell(row, 1, "C:\\図面\\表");
      app_.rows->SetCell(row, 2, "A3");
    }
  }
  void Select(std::initializer_list<int> rows) {
    for (int row : rows) app_.rows->SetRowState(row, kMarkStates, kMarkStates);
  }
  std::vector<int> Selected() const {
    std::vector<int> rows;
    for (int row = app_.rows->NextSelectedRow(); row != kNoRow;
         row = app_.rows->NextSelectedRow(row)) {
      rows.push_back(row);
    }
    return rows;
  }
  Texts FirstCells() const {
    Texts cells;
    for (int row = 0; row < app_.rows->RowCount(); ++row) {
      cells.push_back(app_.rows->GetCell(row, 0, 260));
    }
    return cells;
  }
  Texts Scripts() const {
    Texts scripts;
    for (const StandInRun& run : StandInRuns(cad_)) {
      EXPECT_EQ(run.command_line, ExpectedCommandLine());
      EXPECT_TRUE(run.ended);
      scripts.push_back(run.script);
    }
    return scripts;
  }

  void Command(int id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  // The command, then its run to the end; the pauses (timer 2) it took.
  int Run(int id) {
    Command(id);
    return AwaitRun(app_);
  }

  void ExpectOneBox(std::string_view text, std::string_view title, Icon icon) {
    EXPECT_EQ(prompter_.shown,
              (Boxes{Box(reinterpret_cast<WindowRef>(window_), text, title, icon)}));
  }
  void ExpectCannotStartBox() {
    ExpectOneBox("環境設定でAutoCad在処を正しく設定して下さい。", "AutoCadが起動出来ません。",
                 Icon::kNone);
  }

  TempFolder folder_{"起動フォルダ"};
  TempFolder cad_{"CAD 表"};
  TempFolder work_{"作業 表 フォルダ"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  HWND window_ = nullptr;
};

// ---- One script, one AutoCAD ---------------------------------------------------------------

TEST_F(ScriptCommandsTest, RunAllGivesAutoCadTheQuotedScriptPathAndWaitsForIt) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  MakeStandInWait(cad_, 300);
  Command(IDM_RUN_ALL);
  EXPECT_TRUE(app_.run);  // the command came back at once; the run goes on
  AwaitRun(app_);
  const auto runs = StandInRuns(cad_);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command_line, ExpectedCommandLine());
  EXPECT_EQ(runs[0].script_path, ScriptPath());
  EXPECT_EQ(Visible(runs[0].script),
            Visible(Block("a.dwg") + Block("b.dwg") + Block("c.dwg") + kTrailer));
  EXPECT_TRUE(runs[0].ended);  // the run ended after AutoCAD had
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ScriptCommandsTest, RunSelectedWritesTheSelectedRowsInListOrderAndUnmarksThem) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  Select({2, 0});
  Run(IDM_RUN_SELECTED);
  EXPECT_EQ(Scripts(), (Texts{Block("a.dwg") + Block("c.dwg") + kTrailer}));
  EXPECT_TRUE(Selected().empty());
}

TEST_F(ScriptCommandsTest, RunSelectedWithoutASelectionStartsNothing) {
  AddRows({"a.dwg"});
  Command(IDM_RUN_SELECTED);
  ExpectOneBox("ファイルが選択していません", "選択ミス", Icon::kWarning);
  EXPECT_TRUE(StandInRuns(cad_).empty());
  EXPECT_TRUE(work_.Exists("atc print.scr"));
  EXPECT_EQ(Script(), "");
}

TEST_F(ScriptCommandsTest, ToolbarStartRunsTheSelectionOrEveryRow) {
  AddRows({"a.dwg", "b.dwg"});
  Select({1});
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDT_RUN_SCRIPT, BN_CLICKED),
               reinterpret_cast<LPARAM>(app_.toolbar));
  AwaitRun(app_);
  Run(IDT_RUN_SCRIPT);  // nothing selected any more: every row
  EXPECT_EQ(Scripts(),
            (Texts{Block("b.dwg") + kTrailer, Block("a.dwg") + Block("b.dwg") + kTrailer}));
}

TEST_F(ScriptCommandsTest, RunOnAnEmptyListWarnsAndStartsNothing) {
  work_.Write("atc print.scr", "old script");
  Command(IDM_RUN_ALL);
  ExpectOneBox("リストビューに項目がありません", "実行エラー", Icon::kWarning);
  EXPECT_TRUE(StandInRuns(cad_).empty());
  EXPECT_EQ(Script(), "");
}

TEST_F(ScriptCommandsTest, MissingProgramShowsOnePlainBoxAfterTheScriptIsWritten) {
  AddRows({"a.dwg"});
  app_.settings.autocad_file = cad_.File("missing.exe");
  Run(IDM_RUN_ALL);
  ExpectCannotStartBox();
  EXPECT_EQ(Visible(Script()), Visible(RowScript("a.dwg")));
}

TEST_F(ScriptCommandsTest, ScriptPathTooLongForTheCommandLineIsRefusedBeforeAnything) {
  AddRows({"a.dwg"});
  Select({0});
  app_.settings.temp_file = "C:\\" + std::string(251, 's');  // 254 bytes
  Command(IDM_RUN_SELECTED);
  ExpectOneBox("実行スクリプトファイルのパスが長すぎます。環境設定で253バイト以内にして下さい。",
               "AutoCadが起動出来ません。", Icon::kWarning);
  EXPECT_TRUE(StandInRuns(cad_).empty());
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

// ---- One AutoCAD per row, blocking -------------------------------------------------------------

TEST_F(ScriptCommandsTest, PerRowLoopRunsAutoCadOncePerRowOnThatRowsScript) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  EXPECT_EQ(Run(IDM_RUN_PER_ROW), 2);  // a pause between two starts
  EXPECT_EQ(Scripts(), (Texts{RowScript("a.dwg"), RowScript("b.dwg"), RowScript("c.dwg")}));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ScriptCommandsTest, PerRowLoopWithAMissingProgramStopsAfterTheFirstRowsScript) {
  AddRows({"a.dwg", "b.dwg", "c.dwg"});
  app_.settings.autocad_file = cad_.File("missing.exe");
  Run(IDM_RUN_PER_ROW);
  ExpectCannotStartBox();
  EXPECT_EQ(Visible(Script()), Visible(RowScript("a.dwg")));
}

TEST_F(ScriptCommandsTest, PerRowLoopOnAnEmptyListWarns) {
  Run(IDM_RUN_PER_ROW);
  ExpectOneBox("リストビューに項目がありません", "実行エラー", Icon::kWarning);
  EXPECT_TRUE(StandInRuns(cad_).empty());
}

// ---- One AutoCAD per row, paced by timer 2 ------------------------------------------------------

// A tick per drawing: the rows not selected cost no pause.
TEST_F(ScriptCommandsTest, TimedRunOfTwoSelectedRowsTicksTwiceAndRunsTwo) {
  AddRows({"a.dwg", "b.dwg", "c.dwg", "d.dwg", "e.dwg"});
  Select({1, 3});
  Command(IDM_RUN_TIMED);
  EXPECT_TRUE(StandInRuns(cad_).empty());  // nothing runs before the first tick
  EXPECT_EQ(AwaitRun(app_), 2);
  EXPECT_EQ(Scripts(), (Texts{RowScript("b.dwg"), RowScript("d.dwg")}));
  EXPECT_TRUE(Selected().empty());
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ScriptCommandsTest, TimedRunWithoutSelectionRunsEveryRow) {
  AddRows({"a.dwg", "b.dwg", "c.dwg", "d.dwg", "e.dwg"});
  EXPECT_EQ(Run(IDM_RUN_TIMED), 5);
  EXPECT_EQ(Scripts(), (Texts{RowScript("a.dwg"), RowScript("b.dwg"), RowScript("c.dwg"),
                              RowScript("d.dwg"), RowScript("e.dwg")}));
}

TEST_F(ScriptCommandsTest, TimedRunWithAMissingProgramEndsAtTheFirstRow) {
  AddRows({"a.dwg", "b.dwg"});
  app_.settings.autocad_file = cad_.File("missing.exe");
  EXPECT_EQ(Run(IDM_RUN_TIMED), 1);
  ExpectCannotStartBox();
  EXPECT_EQ(Visible(Script()), Visible(RowScript("a.dwg")));
}

TEST_F(ScriptCommandsTest, TimedRunOnAnEmptyListWarnsAtItsFirstTick) {
  Command(IDM_RUN_TIMED);
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(AwaitRun(app_), 1);
  ExpectOneBox("リストビューに項目がありません", "実行エラー", Icon::kWarning);
}

TEST_F(ScriptCommandsTest, ClosingTheWindowEndsAnArmedRun) {
  AddRows({"a.dwg", "b.dwg"});
  Command(IDM_RUN_TIMED);
  ASSERT_TRUE(app_.run);
  DestroyWindow(window_);
  EXPECT_FALSE(app_.run);
  DrainMessages();
  EXPECT_TRUE(StandInRuns(cad_).empty());
}

// The editor empties its cell while it is open: a tick ends it first, as every command does,
// so the row's script has the cell's text.
TEST_F(ScriptCommandsTest, ATickWithTheCellEditorOpenRunsTheRowWithTheCellsText) {
  app_.items.sets[0].items[3] = Item("用紙").display(4).output(4).edit(1).width(60);
  AddRows({"a.dwg"});
  Command(IDM_RUN_TIMED);
  Select({0});
  OpenCellEditorCommand(app_, 2);
  ASSERT_NE(app_.cell_editor_window, nullptr);
  EXPECT_EQ(AwaitRun(app_), 1);
  EXPECT_EQ(app_.cell_editor_window, nullptr);
  EXPECT_EQ(app_.rows->GetCell(0, 2, 260), "A3");
  EXPECT_EQ(Scripts(), (Texts{RowScript("a.dwg")}));
}

TEST_F(ScriptCommandsTest, OtherTimersDoNotTickTheRun) {
  AddRows({"a.dwg"});
  Command(IDM_RUN_TIMED);
  SendMessageA(window_, WM_TIMER, TIMER_CELL_COMMIT, 0);
  EXPECT_TRUE(StandInRuns(cad_).empty());
  EXPECT_TRUE(app_.run);
}

// ---- Scripts and lists under chosen names
// --------------------------------------------------------

class FileCommandsTest : public ScriptCommandsTest {
 protected:
  void SetUp() override {
    ScriptCommandsTest::SetUp();
    picker_ = &picker;
    app_.pickers.file_name = &picker;
  }
  ScriptedFileNamePicker picker;
  ScriptedFileNamePicker* picker_ = nullptr;
  TempFolder chosen_{"選んだ"};
};

TEST_F(FileCommandsTest, ScriptSaveForcesScrAndReportsCompletion) {
  AddRows({"a.dwg", "b.dwg"});
  picker_->answers.push_back(chosen_.File("run.txt"));
  Command(IDM_SAVE_SCRIPT_ALL);
  ASSERT_EQ(picker_->asked.size(), 1u);
  EXPECT_EQ(picker_->asked[0].initial_name, folder_.path() + "\\*.scr");
  EXPECT_EQ(picker_->asked[0].owner, reinterpret_cast<WindowRef>(window_));
  EXPECT_EQ(Visible(chosen_.Read("run.scr")), Visible(Block("a.dwg") + Block("b.dwg") + kTrailer));
  EXPECT_FALSE(chosen_.Exists("run.txt"));
  EXPECT_TRUE(StandInRuns(cad_).empty());  // a saved script is not run
  ExpectOneBox("スクリプトファイル作成完了！", "Quillon", Icon::kNone);
}

TEST_F(FileCommandsTest, SelectedScriptSaveWritesTheSelectionOrRefuses) {
  AddRows({"a.dwg", "b.dwg"});
  Select({1});
  picker_->answers.push_back(chosen_.File("sel"));
  Command(IDM_SAVE_SCRIPT_SELECTED);
  EXPECT_EQ(Visible(chosen_.Read("sel.scr")), Visible(RowScript("b.dwg")));
  prompter_.shown.clear();

  picker_->answers.push_back(chosen_.File("none.scr"));
  Command(IDM_SAVE_SCRIPT_SELECTED);  // the first save unmarked row 1
  ExpectOneBox("ファイルが選択していません", "選択ミス", Icon::kWarning);
}

TEST_F(FileCommandsTest, CancelledScriptSaveSaysNothing) {
  AddRows({"a.dwg"});
  Command(IDM_SAVE_SCRIPT_ALL);
  EXPECT_EQ(picker_->asked.size(), 1u);
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(FileCommandsTest, ListLoadReplacesTheRowsAndCancelKeepsThem) {
  AddRows({"old.dwg"});
  chosen_.Write("saved.ini", "max_cont=2\r\nx.dxf;C:\\x;A4\r\ny.dwg;C:\\y;A1\r\n");
  Command(IDM_LOAD_LIST);  // cancelled
  EXPECT_EQ(FirstCells(), Texts{"old.dwg"});
  picker_->answers.push_back(chosen_.File("saved.ini"));
  Command(IDM_LOAD_LIST);
  ASSERT_EQ(picker_->asked.size(), 2u);
  EXPECT_EQ(picker_->asked[1].title, "ファイル読込");
  EXPECT_EQ(picker_->asked[1].kind, FileDialogKind::kOpen);
  EXPECT_EQ(FirstCells(), (Texts{"x.dxf", "y.dwg"}));
  EXPECT_EQ(app_.rows->GetCell(1, 2, 128), "A1");
}

TEST_F(FileCommandsTest, ListLoadedFromAnotherFolderLeavesTheStartupFolderAlone) {
  chosen_.Write("saved.ini", "max_cont=1\r\nx.dwg;C:\\x\r\n");
  picker_->answers.push_back(chosen_.File("saved.ini"));
  Command(IDM_LOAD_LIST);
  EXPECT_EQ(app_.startup_folder, folder_.path());
  DestroyWindow(window_);
  EXPECT_TRUE(folder_.Read(kListFileName).starts_with("max_cont=1\r\nx.dwg;C:\\x;"));
  EXPECT_FALSE(chosen_.Exists(kListFileName));
}

// The real dialogs, answered by typing a name: the extensions are forced onto what was typed.
TEST_F(ScriptCommandsTest, RealSaveDialogsGetTheirExtensionsForced) {
  AddRows({"a.dwg"});
  TempFolder chosen{"選んだ"};
  chosen.MakeFolder("my.dir");
  DialogAnswer script_answer;
  script_answer.type_name = chosen.File("run.txt");
  {
    const FileDialogAnswerer answerer(script_answer);
    Command(IDM_SAVE_SCRIPT_ALL);
  }
  EXPECT_EQ(script_answer.title, "ファイル書込");
  EXPECT_EQ(script_answer.owner, window_);
  EXPECT_EQ(Visible(chosen.Read("run.scr")), Visible(RowScript("a.dwg")));
  ExpectOneBox("スクリプトファイル作成完了！", "Quillon", Icon::kNone);

  DialogAnswer list_answer;
  list_answer.type_name = chosen.File("my.dir") + "\\list";
  {
    const FileDialogAnswerer answerer(list_answer);
    Command(IDM_SAVE_LIST);
  }
  EXPECT_EQ(list_answer.first_type, "IniFile(*.ini)");
  EXPECT_EQ(chosen.Read("my.dir\\list.ini"), SerializeList(*app_.rows));
}

// ---- The script in Notepad
// ------------------------------------------------------------------------

TEST_F(ScriptCommandsTest, TheSystemsNotepadGetsTheQuotedScriptPathNotOneInTheCurrentFolder) {
  // The current folder comes first on the search path: a notepad.exe planted there must not
  // run. A stand-in takes the place of the system's Notepad.
  TempFolder planted{"共有データ"};
  TempFolder system{"システム"};
  InstallStandIn(planted, "notepad.exe");
  InstallStandIn(system, "notepad.exe");
  MakeStandInWait(system, 500);
  // By default the program is the Notepad in the system folder, which is there.
  EXPECT_NE(GetFileAttributesA(app_.notepad_program.c_str()), INVALID_FILE_ATTRIBUTES);
  app_.notepad_program = system.File("notepad.exe");
  char before[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof before, before);
  SetCurrentDirectoryA(planted.path().c_str());
  work_.Write("atc print.scr", "open \"a\"\r\n");
  Command(IDM_EDIT_SCRIPT);
  SetCurrentDirectoryA(before);
  const auto early = StandInRuns(system);
  EXPECT_TRUE(early.empty() || !early.back().ended);  // the command did not wait

  const auto runs = AwaitStandInRuns(system, 1);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command_line, "notepad.exe \"" + ScriptPath() + "\"");
  EXPECT_EQ(runs[0].script, "open \"a\"\r\n");
  EXPECT_TRUE(StandInRuns(planted).empty());
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(ScriptCommandsTest, NotepadThatCannotStartShowsItsBox) {
  auto launcher = std::make_unique<RecordingLauncher>();
  launcher->programs_start = false;
  RecordingLauncher& recorder = *launcher;
  app_.launcher = std::move(launcher);
  Command(IDM_EDIT_SCRIPT);
  EXPECT_EQ(recorder.started, Texts{"notepad.exe \"" + ScriptPath() + "\""});
  EXPECT_TRUE(recorder.runs.empty());
  ExpectOneBox("notepad.exeが見つかりませんでした。", "スクリプトファイル編集", Icon::kNone);
}

}  // namespace
}  // namespace drawlot::testing
