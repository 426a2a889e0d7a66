#include "win/app/main_commands.h"

#include <string>

#include "core/items/row_buffer.h"
#include "core/list/file_name_rules.h"
#include "core/list/list_housekeeping.h"
#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "resources/resource_ids.h"
#include "win/app/main_window.h"
#include "win/env/about_dialog.h"
#include "win/env/environment_dialog.h"
#include "win/env/printers_dialog.h"
#include "win/list/drawing_list_commands.h"
#include "win/script/script_commands.h"

namespace drawlot {

namespace {

// The maker's web site: the help pages and the home page.
constexpr char kMakerSite[] = "https://www.harrowby.example/";
constexpr char kHelpPage[] = "Dw-HELP00.htm";

void Delete(Application& app, DeleteMode mode) {
  DeleteRows(*app.rows, mode, app.prompter, app.owner());
}

void Move(Application& app, MoveDirection direction) {
  MoveRow(*app.rows, app.current_items(), app.tags, direction, app.prompter, app.owner());
}

void AddFiles(Application& app, DrawingKind kind) {
  AddDrawingFilesCommand(app, app.drawing_sources, kind);
}

void AddFolder(Application& app, DrawingKind kind) {
  AddFolderDrawingsCommand(app, app.drawing_sources, kind);
}

void AddFolderTree(Application& app, DrawingKind kind) {
  AddFolderTreeDrawingsCommand(app, app.drawing_sources, kind);
}

void OpenWebPage(Application& app, const std::string& address) {
  if (app.open_web_page) app.open_web_page(address);
}

// The script settings change the columns, so they are refused while the list has rows.
void OpenScriptSettings(Application& app) {
  if (app.rows->RowCount() > 0) {
    app.prompter.Tell(app.owner(), "リストを全部削除してから実行して下さい。", "残念！",
                      Icon::kNone);
    return;
  }
  RefreshStatusBar(app);
  BuildColumns(*app.rows, app.current_items());
}

}  // namespace

void RunCommand(Application& app, int command_id, int /*notification_code*/) {
  if (!app.rows) return;
  switch (command_id) {
    case IDM_DWG_FILE:
    case IDT_DWG_FILE:
      AddFiles(app, DrawingKind::kDwg);
      break;
    case IDM_DXF_FILE:
      AddFiles(app, DrawingKind::kDxf);
      break;
    case IDM_DWG_FOLDER:
    case IDT_DWG_FOLDER:
      AddFolder(app, DrawingKind::kDwg);
      break;
    case IDM_DXF_FOLDER:
    case IDT_DXF_FOLDER:
      AddFolder(app, DrawingKind::kDxf);
      break;
    case IDM_DWG_TREE:
    case IDT_DWG_TREE:
      AddFolderTree(app, DrawingKind::kDwg);
      break;
    case IDM_DXF_TREE:
      AddFolderTree(app, DrawingKind::kDxf);
      break;
    case IDM_CHOOSE_FOLDERS:
    case IDT_CHOOSE_FOLDERS:
      ChooseFoldersCommand(app, app.drawing_sources);
      break;
    case IDM_SEARCH_LIST:
      SearchInListCommand(app, app.drawing_sources);
      break;
    case IDM_SEARCH_DISKS:
      SearchOnDisks(app, app.drawing_sources);
      break;
    case IDM_DELETE_SELECTED:
      Delete(app, DeleteMode::kSelected);
      break;
    case IDM_DELETE_ALL:
      Delete(app, DeleteMode::kAll);
      break;
    case IDT_DELETE_ROWS:
      Delete(app, DeleteMode::kSelectedOrAll);
      break;
    case IDM_MARK_ALL:
      MarkAllRows(*app.rows);
      break;
    case IDM_CLEAR_MARKS:
      ClearMarks(*app.rows);
      break;
    case IDT_MOVE_DOWN:
      Move(app, MoveDirection::kDown);
      break;
    case IDT_MOVE_UP:
      Move(app, MoveDirection::kUp);
      break;
    case IDM_COPY_ROW:
    case IDT_COPY_ROW:
      CopyRow(*app.rows, app.current_items(), app.row_buffer, app.prompter, app.owner());
      break;
    case IDM_PASTE_ROW:
    case IDT_PASTE_ROW:
      PasteRow(*app.rows, app.current_items(), app.row_buffer, app.prompter, app.owner());
      break;
    case IDM_APPLY_NAME_RULES:
      ApplyFileNameRules(*app.rows, app.settings.file_set, 0);
      break;
    case IDM_RUN_ALL:
      RunScriptCommand(app, ScriptRowScope::kAll);
      break;
    case IDM_RUN_SELECTED:
      RunScriptCommand(app, ScriptRowScope::kSelected);
      break;
    case IDT_RUN_SCRIPT:
      RunScriptCommand(app, ScriptRowScope::kSelectedOrAll);
      break;
    case IDM_RUN_PER_ROW:
      RunPerRowCommand(app);
      break;
    case IDM_RUN_TIMED:
      StartTimedRunCommand(app);
      break;
    case IDM_SAVE_LIST:
      SaveListToFileCommand(app);
      break;
    case IDM_LOAD_LIST:
      LoadListFromFileCommand(app);
      break;
    case IDM_SAVE_SCRIPT_ALL:
      SaveScriptFileCommand(app, ScriptRowScope::kAll);
      break;
    case IDM_SAVE_SCRIPT_SELECTED:
      SaveScriptFileCommand(app, ScriptRowScope::kSelected);
      break;
    case IDM_EDIT_SCRIPT:
      EditScriptFileCommand(app);
      break;
    case IDM_SCRIPT_SETTINGS:
      OpenScriptSettings(app);
      break;
    case IDM_PRINTERS:
    case IDT_PRINTERS:
      RunPrintersDialog(app);
      break;
    case IDM_ENVIRONMENT:
      RunEnvironmentDialog(app);
      RefreshStatusBar(app);
      break;
    case IDM_ABOUT:
      OpenAboutDialog(app.instance, app.main_window);
      break;
    case IDM_HELP:
    case IDT_HELP:
      OpenWebPage(app, std::string(kMakerSite) + kHelpPage);
      break;
    case IDM_HOME_PAGE:
      OpenWebPage(app, kMakerSite);
      break;
    case IDM_QUIT:
    case IDT_QUIT:
      DestroyWindow(app.main_window);
      break;
    default:
      break;  // the operations of the other ids are not there yet
  }
}

}  // namespace drawlot
