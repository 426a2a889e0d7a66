// Every row of the command table sent to a real main window, each in a fresh window over the
// same three rows: what ran is read from the stand-ins' records (boxes, dialogs, pickers, runs,
// opened pages) and from the list, so a row wired to another row's handler fails.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "core/list/undo_history.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_file_system.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/recording_launcher.h"
#include "support/recording_prompter.h"
#include "support/script_items.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"
#include "win/app/cell_editor.h"
#include "win/app/main_commands.h"
#include "win/app/main_window.h"
#include "win/support/await_run.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
const Texts kNames = {"b.dwg", "A.dwg", "c.dwg"};

// Before the command: nothing, row 1 selected, or an editor open over row 1 (text or list).
enum class Before { kNothing, kSelected, kTextEditor, kDropDown, kAllDeleted };

// Six columns, the last the printer the file-name rule writes; the script opens each drawing.
ItemSlots DispatchSlots() {
  return Slots({Item("ファイル名").display(1).width(60), Item("フォルダ").display(2).width(60),
                Item("開く").output(1).command("open"), Item("用紙").display(4).edit(1).width(60),
                Item("向き").display(4).edit(2).initial("縦").width(50),
                Item("色").display(4).width(60), Item("プリンタ").display(4).width(60)});
}

std::string Join(const Texts& texts, std::string_view separator) {
  std::string joined;
  for (const std::string& text : texts) {
    if (!joined.empty()) joined += separator;
    joined += text;
  }
  return joined;
}

// The names of kNames that `bytes` holds, in the order they stand there.
std::string NamesIn(const std::string& bytes) {
  Texts found;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    for (const std::string& name : kNames) {
      if (bytes.compare(at, name.size(), name) == 0) found.push_back(name);
    }
  }
  return Join(found, " ");
}

// The pickers' stand-in: each question goes into the events; the folder has drawings only in
// its subfolder, so a folder and a folder tree differ.
class Recorder : public FolderBrowser, public FilePicker {
 public:
  std::string ChooseFolder(std::string_view title, std::string_view) override {
    events.push_back("folder:" + std::string(title));
    return "C:\\図面";
  }
  std::optional<PickedFiles> OpenFiles(const OpenFilesRequest& request) override {
    events.push_back("files:" + request.filters[0].pattern);
    return std::nullopt;
  }
  Texts events;
};

// One main window over kNames in a fresh start-up folder, with every outside part recorded.
class Window {
 public:
  Window() {
    app_.spooler = std::make_unique<InMemoryPrintSpooler>();
    auto launcher = std::make_unique<RecordingLauncher>();
    launcher_ = launcher.get();
    app_.launcher = std::move(launcher);
    launcher_->on_run = [this](const RecordingLauncher::Run&) {
      Note("run:" + NamesIn(folder_.Read("run.scr")));
    };
    app_.open_web_page = [this](const std::string& page) {
      Note("page:" + page.substr(page.rfind('/') + 1));
    };
    app_.pickers.folders = &recorder_;
    app_.pickers.files = &recorder_;
    app_.pickers.file_name = &file_name_;
    file_name_.answers.push_back(folder_.File("chosen.txt"));
    files_.AddFile("C:\\図面\\sub\\a.dwg");
    files_.AddFile("C:\\図面\\sub\\b.dxf");
    app_.drawing_sources.files = &files_;
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
    window_ = CreateMainWindow(app_);
    if (const HWND environment = FindWindowA("#32770", "環境設定")) DestroyWindow(environment);
    prompter_.shown.clear();  // the start-up boxes of an empty folder
    Prepare();
  }
  ~Window() {
    if (IsWindow(window_)) DestroyWindow(window_);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  // Sends the command as its menu item, button or control does, answering any dialog it opens
  // (the search dialog with "A.dwg", any other with Cancel), and tells what happened.
  std::string Send(int id, Before before);
  // After Send: empty when the command left the rows as they were, or changed them as one step
  // of "元に戻す" that its row asks for and that brings them back; else what went wrong.
  std::string UndoneAsItsRowSays(int id);

 private:
  void Note(const std::string& event) { recorder_.events.push_back(event); }
  void Prepare() {
    app_.items.sets[CurrentSetIndex(app_.settings)].items = DispatchSlots();
    BuildColumns(*app_.rows, app_.current_items());
    for (const std::string& name : kNames) {
      const int row = app_.rows->InsertRow(app_.rows->RowCount(), name, kIconDwg, app_.tags.Next());
      app_.rows->SetCell(row, 1, "C:\\図面");
      app_.rows->SetCell(row, 2, "A3");
    }
    app_.settings.autocad_type = '0';
    app_.settings.autocad_file = "C:\\cad\\acad.exe";
    app_.settings.temp_file = folder_.File("run.scr");
    app_.settings.end_file_dwg = "C:\\END\\end.dwg";
    app_.settings.file_set.ps = '1';
    app_.settings.file_set.fp_ps[0].search = "A";
    app_.settings.file_set.fp_ps[0].printer = "PDF";
    // The drawings are on no disk: the runs go on without asking about them.
    app_.program_settings.run.check_missing = false;
  }
  void Open(Before before);
  void Answer(HWND dialog);
  std::string Outcome();

  TempFolder folder_{"送る"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  RecordingLauncher* launcher_ = nullptr;
  Recorder recorder_;
  ScriptedFileNamePicker file_name_;
  InMemoryFileSystem files_;
  HWND window_ = nullptr;
  ListSnapshot before_;
  std::size_t steps_before_ = 0;
};

void Window::Open(Before before) {
  if (before != Before::kNothing) app_.rows->SetRowState(1, kMarkStates, kMarkStates);
  if (before == Before::kTextEditor) OpenCellEditorCommand(app_, 2);
  if (before == Before::kDropDown) OpenCellEditorCommand(app_, 3);
  if (before == Before::kAllDeleted) SendMessageA(window_, WM_COMMAND, IDM_DELETE_ALL, 0);
  if (const HWND box = GetDlgItem(window_, IDC_CELL_EDIT_BOX)) SetWindowTextA(box, "B4");
}

void Window::Answer(HWND dialog) {
  if (WindowText(dialog) == "実行中") return;  // a run's progress: closing it would be 中止
  Note("dialog:" + WindowText(dialog));
  if (WindowText(dialog) == "図面ファイルの検索") {
    SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, "A.dwg");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_START, BN_CLICKED), 0);
  } else {
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // the close box: every dialog has one
  }
}

std::string Window::Send(int id, Before before) {
  Open(before);
  // The cell editor's controls send their notifications: 951 losing the focus, 952 a choice.
  const int code = id == IDC_CELL_EDIT_BOX ? EN_KILLFOCUS : id == IDC_CELL_SELECT_BOX ? 1 : 0;
  ModalAnswerer answerer("", [this](HWND dialog) { Answer(dialog); });
  before_ = TakeListSnapshot(*app_.rows);
  steps_before_ = app_.undo.Steps();
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code), 0);
  AwaitRun(app_);
  return Outcome();
}

std::string Window::UndoneAsItsRowSays(int id) {
  // The quit leaves no list; undo and the cell editor's controls make no step of their own.
  if (!IsWindow(window_) || id == IDM_UNDO || id == IDC_CELL_EDIT_BOX || id == IDC_CELL_SELECT_BOX)
    return "";
  if (SameRows(before_, TakeListSnapshot(*app_.rows))) return "";
  const auto row = std::ranges::find_if(MainCommands(), [id](const drawlot::Command& command) {
    return command.menu_id == id || command.toolbar_id == id;
  });
  if (row->undo != UndoStep::kRows) return "rows changed, but the row makes no undo step";
  if (app_.undo.Steps() != steps_before_ + 1) return "no undo step";
  SendMessageA(window_, WM_COMMAND, IDM_UNDO, 0);
  return SameRows(before_, TakeListSnapshot(*app_.rows)) ? "" : "undo did not bring the rows back";
}

std::string Window::Outcome() {
  Texts seen = recorder_.events;
  for (const FileDialogRequest& request : file_name_.asked) seen.push_back("pick:" + request.title);
  for (const std::string& name : folder_.Names()) {
    if (name.starts_with("chosen")) seen.push_back(name + ":" + NamesIn(folder_.Read(name)));
  }
  for (const std::string& root : files_.searched_roots) seen.push_back("searched:" + root);
  for (const Message& box : prompter_.shown) seen.push_back("box:" + box.title + ":" + box.text);
  for (const std::string& program : launcher_->started_programs) {
    seen.push_back("start:" + program.substr(program.rfind('\\') + 1));
  }
  if (!IsWindow(window_)) seen.push_back("closed");
  if (!IsWindow(window_)) return Join(seen, " | ");
  Texts rows, marked, cells;
  for (int row = 0; row < app_.rows->RowCount(); ++row) {
    rows.push_back(app_.rows->GetCell(row, 0, 260));
    if (app_.rows->GetRowState(row, kStateSelected)) marked.push_back(rows.back());
    cells.push_back(app_.rows->GetCell(row, 2, 260) + "/" + app_.rows->GetCell(row, 5, 260));
  }
  if (rows != kNames) seen.push_back("rows:" + Join(rows, " "));
  if (!marked.empty()) seen.push_back("marked:" + Join(marked, " "));
  if (rows.size() > 1 && cells[1] != "A3/") seen.push_back("A.dwg:" + cells[1]);
  if (!app_.about_boxes.empty()) seen.push_back("about");
  if (app_.program_settings.preview_shown) seen.push_back("preview");
  if (!app_.row_buffer.cells[0].empty()) seen.push_back("copied:" + app_.row_buffer.cells[0].str());
  // The text box goes on a posted message after its commit.
  if (GetDlgItem(window_, IDC_CELL_EDIT_BOX)) seen.push_back("text editor open");
  if (KillTimer(window_, TIMER_CELL_COMMIT)) seen.push_back("commit timer");
  return Join(seen, " | ");
}

constexpr Before kNone = Before::kNothing;
constexpr Before kRow = Before::kSelected;
constexpr char kDwgFolder[] = "folder:  dwgファイルのフォルダを選択  ";
constexpr char kDxfFolder[] = "folder:  dxfファイルのフォルダを選択  ";
constexpr char kNoMatch[] = " | box:file追加:読込出来ません！";
constexpr char kSearch[] = "dialog:図面ファイルの検索";
constexpr char kEditRow[] = "dialog:一行編集　選んだ行を変更します | marked:A.dwg | copied:A.dwg";
constexpr char kEditColumn[] = "dialog:列単位で編集　列で変更します。空欄は変更しない";
constexpr char kNotSelected[] = "box:選択ミス:ファイルが選択していません";
constexpr char kNothingCopied[] = "box:一行PASTE:最初にコピー操作を行って下さい | marked:A.dwg";
constexpr char kScriptSaved[] = " | box:Quillon:スクリプトファイル作成完了！";
constexpr char kInitialValues[] = "dialog:初期設定()読込時に設定します";
constexpr char kAll[] = "run:b.dwg A.dwg c.dwg";

const struct Row {
  int id;
  Before before;
  std::string seen;
} kRows[] = {
    {IDM_DWG_FILE, kNone, "files:*.dwg"},
    {IDT_DWG_FILE, kNone, "files:*.dwg"},
    {IDM_DXF_FILE, kNone, "files:*.dxf"},
    {IDM_DWG_FOLDER, kNone, kDwgFolder + std::string(kNoMatch)},
    {IDT_DWG_FOLDER, kNone, kDwgFolder + std::string(kNoMatch)},
    {IDM_DXF_FOLDER, kNone, kDxfFolder + std::string(kNoMatch)},
    {IDT_DXF_FOLDER, kNone, kDxfFolder + std::string(kNoMatch)},
    {IDM_DWG_TREE, kNone, kDwgFolder + std::string(" | rows:b.dwg A.dwg c.dwg a.dwg")},
    {IDT_DWG_TREE, kNone, kDwgFolder + std::string(" | rows:b.dwg A.dwg c.dwg a.dwg")},
    {IDM_DXF_TREE, kNone, kDxfFolder + std::string(" | rows:b.dwg A.dwg c.dwg b.dxf")},
    {IDM_CHOOSE_FOLDERS, kNone, "dialog:フォルダ選択式"},
    {IDT_CHOOSE_FOLDERS, kNone, "dialog:フォルダ選択式"},
    {IDM_DELETE_SELECTED, kNone, kNotSelected},
    {IDM_DELETE_ALL, kRow, "rows:"},
    {IDT_DELETE_ROWS, kRow, "rows:b.dwg c.dwg"},
    {IDT_DELETE_ROWS, kNone, "rows:"},
    {IDM_SEARCH_LIST, kNone, kSearch + std::string(" | marked:A.dwg")},
    {IDM_MARK_ALL, kNone, "marked:b.dwg A.dwg c.dwg"},
    {IDM_CLEAR_MARKS, kRow, ""},
    {IDM_SEARCH_DISKS, kNone,
     kSearch + std::string(" | box:ファイル検索:ＨＤＤ内にありませんでした。")},
    {IDT_MOVE_DOWN, kRow, "rows:b.dwg c.dwg A.dwg | marked:A.dwg"},
    {IDT_MOVE_UP, kRow, "rows:A.dwg b.dwg c.dwg | marked:A.dwg"},
    {IDM_EDIT_ROW, kRow, kEditRow},
    {IDT_EDIT_ROW, kRow, kEditRow},
    {IDM_COPY_ROW, kRow, "copied:A.dwg"},
    {IDT_COPY_ROW, kRow, "copied:A.dwg"},
    {IDM_PASTE_ROW, kRow, kNothingCopied},
    {IDT_PASTE_ROW, kRow, kNothingCopied},
    {IDM_EDIT_COLUMN, kNone, kEditColumn},
    {IDT_EDIT_COLUMN, kNone, kEditColumn},
    {IDM_APPLY_NAME_RULES, kNone, "A.dwg:A3/PDF"},
    {IDM_NAME_RULE_SETTINGS, kNone, "dialog:ファイル名で印刷設定"},
    {IDM_RUN_ALL, kRow, kAll + std::string(" | marked:A.dwg")},
    {IDM_RUN_SELECTED, kRow, "run:A.dwg"},
    {IDT_RUN_SCRIPT, kRow, "run:A.dwg"},
    {IDT_RUN_SCRIPT, kNone, kAll},
    {IDM_RUN_PER_ROW, kNone, "run:b.dwg | run:A.dwg | run:c.dwg"},
    {IDM_RUN_TIMED, kNone, "run:b.dwg | run:A.dwg | run:c.dwg"},
    {IDM_SAVE_LIST, kNone, "pick:ファイル書込 | chosen.ini:b.dwg A.dwg c.dwg"},
    {IDM_LOAD_LIST, kNone,
     "pick:ファイル読込 | box:ファイル読込:ファイルを読込出来ません。リストはそのままです。"},
    {IDM_SAVE_SCRIPT_ALL, kRow,
     "pick:ファイル書込 | chosen.scr:b.dwg A.dwg c.dwg" + std::string(kScriptSaved) +
         " | marked:A.dwg"},
    {IDM_SAVE_SCRIPT_SELECTED, kRow,
     "pick:ファイル書込 | chosen.scr:A.dwg" + std::string(kScriptSaved)},
    {IDM_INITIAL_VALUES, kNone, kInitialValues},
    {IDT_INITIAL_VALUES, kNone, kInitialValues},
    {IDM_PRINTERS, kNone, "dialog:プリンタと用紙の列挙"},
    {IDT_PRINTERS, kNone, "dialog:プリンタと用紙の列挙"},
    {IDM_SCRIPT_SETTINGS, kNone, "box:残念！:リストを全部削除してから実行して下さい。"},
    {IDM_ENVIRONMENT, kNone, "dialog:環境設定"},
    {IDM_EDIT_SCRIPT, kNone, "start:notepad.exe"},
    {IDM_HELP, kNone, "page:Dw-HELP00.htm"},
    {IDT_HELP, kNone, "page:Dw-HELP00.htm"},
    {IDM_HOME_PAGE, kNone, "page:"},
    {IDM_ABOUT, kNone, "about"},
    {IDM_RUN_SETTINGS, kNone, "dialog:実行の設定"},
    {IDM_OPEN_RUN_RECORD, kNone, "box:実行記録:実行記録はまだありません。"},
    {IDM_UNDO, Before::kAllDeleted, "marked:A.dwg"},  // the rows are back, as they were
    {IDM_SELECT_CHANGED, kNone, "marked:b.dwg A.dwg c.dwg"},
    {IDM_PREVIEW, kNone, "preview"},
    {IDM_QUIT, kNone, "closed"},
    {IDT_QUIT, kNone, "closed"},
    {IDC_CELL_EDIT_BOX, Before::kTextEditor, "A.dwg:B4/ | text editor open"},
    {IDC_CELL_SELECT_BOX, Before::kDropDown, "commit timer"},
};

TEST(CommandDispatch, EveryRowOfTheCommandTableRunsItsOwnOperation) {
  std::set<int> sent;
  for (const Row& row : kRows) {
    Window window;
    EXPECT_EQ(window.Send(row.id, row.before), row.seen) << "command " << row.id;
    EXPECT_EQ(window.UndoneAsItsRowSays(row.id), "") << "command " << row.id;
    sent.insert(row.id);
  }
  for (const drawlot::Command& command : MainCommands()) {
    for (const int id : {command.menu_id, command.toolbar_id}) {
      EXPECT_TRUE(id == 0 || sent.count(id)) << "command " << id << " is never sent";
    }
  }
}

}  // namespace
}  // namespace drawlot::testing
