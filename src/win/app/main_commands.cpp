#include "win/app/main_commands.h"

#include <array>

#include "core/items/row_buffer.h"
#include "core/list/file_name_rules.h"
#include "core/list/list_housekeeping.h"
#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "resources/resource_ids.h"
#include "win/app/cell_editor.h"
#include "win/app/edit_commands.h"
#include "win/app/list_commands.h"
#include "win/app/main_window.h"
#include "win/app/script_commands.h"
#include "win/env/about_dialog.h"
#include "win/env/environment_dialog.h"
#include "win/env/printers_dialog.h"
#include "win/items/script_settings_dialog.h"
#include "win/list/file_name_rules_dialog.h"
#include "win/platform/help_pages.h"

namespace drawlot {

namespace {

void Delete(Application& app, DeleteMode mode) {
  DeleteRows(*app.rows, mode, app.prompter, app.owner());
}

void Move(Application& app, MoveDirection direction) {
  MoveRow(*app.rows, app.current_items(), app.tags, direction, app.prompter, app.owner());
}

// The script settings change the columns, so they are refused while the list has rows.
void OpenScriptSettings(Application& app) {
  if (app.rows->RowCount() > 0) {
    app.prompter.Tell(app.owner(), "リストを全部削除してから実行して下さい。", "残念！",
                      Icon::kNone);
    return;
  }
  RunScriptSettingsDialog(
      app.dialog_context(),
      ScriptItemRecords{app.items, app.settings, app.shown_item_set, app.startup_folder});
  // The current set, its title or its items may have changed.
  BuildColumns(*app.rows, app.current_items());
}

void AddFiles(Application& app, DrawingKind kind) {
  AddDrawingFilesCommand(app, kind);
}

void AddFolder(Application& app, DrawingKind kind) {
  AddFolderDrawingsCommand(app, kind);
}

void AddFolderTree(Application& app, DrawingKind kind) {
  AddFolderTreeDrawingsCommand(app, kind);
}

void CopyRowToBuffer(Application& app) {
  CopyRow(*app.rows, app.current_items(), app.row_buffer, app.prompter, app.owner());
}

void PasteRowFromBuffer(Application& app) {
  PasteRow(*app.rows, app.current_items(), app.row_buffer, app.prompter, app.owner());
}

void OpenPrinterList(Application& app) {
  WaitForStartupPrinters(app);
  RunPrintersDialog(app.dialog_context(), {app.printers, app.settings, *app.spooler});
}

void OpenEnvironmentSettings(Application& app) {
  RunEnvironmentDialog(app.dialog_context(), app.environment_records());
}

void OpenAbout(Application& app) {
  std::erase_if(app.about_boxes,
                [](const std::unique_ptr<Dialog>& box) { return !IsWindow(box->window()); });
  if (auto box = OpenAboutDialog(app.dialog_context())) app.about_boxes.push_back(std::move(box));
}

void OpenHomePage(Application& app) {
  if (app.open_web_page) app.open_web_page(HomePageAddress());
}

// One row per command: menu id, toolbar id, the toolbar button's tooltip, handler.
constexpr std::array kCommands = {
    // ファイル選択
    Command{IDM_DWG_FILE, IDT_DWG_FILE, "１枚単位の読込",
            [](Application& app, int) { AddFiles(app, DrawingKind::kDwg); }},
    Command{IDM_DXF_FILE, 0, nullptr,
            [](Application& app, int) { AddFiles(app, DrawingKind::kDxf); }},
    Command{IDM_DWG_FOLDER, IDT_DWG_FOLDER, "DWGフォルダ単位読込",
            [](Application& app, int) { AddFolder(app, DrawingKind::kDwg); }},
    Command{IDM_DXF_FOLDER, IDT_DXF_FOLDER, "DXFフォルダ単位読込",
            [](Application& app, int) { AddFolder(app, DrawingKind::kDxf); }},
    Command{IDM_DWG_TREE, IDT_DWG_TREE, "DWGサブフォルダ内も読込",
            [](Application& app, int) { AddFolderTree(app, DrawingKind::kDwg); }},
    Command{IDM_DXF_TREE, 0, nullptr,
            [](Application& app, int) { AddFolderTree(app, DrawingKind::kDxf); }},
    Command{IDM_CHOOSE_FOLDERS, IDT_CHOOSE_FOLDERS, "フォルダを選択し読込",
            [](Application& app, int) { ChooseFoldersCommand(app); }},
    Command{IDM_DELETE_SELECTED, 0, nullptr,
            [](Application& app, int) { Delete(app, DeleteMode::kSelected); }},
    Command{IDM_DELETE_ALL, 0, nullptr,
            [](Application& app, int) { Delete(app, DeleteMode::kAll); }},
    Command{0, IDT_DELETE_ROWS, "リストから削除",
            [](Application& app, int) { Delete(app, DeleteMode::kSelectedOrAll); }},
    // 検索
    Command{IDM_SEARCH_LIST, 0, nullptr, [](Application& app, int) { SearchInListCommand(app); }},
    Command{IDM_MARK_ALL, 0, nullptr, [](Application& app, int) { MarkAllRows(*app.rows); }},
    Command{IDM_CLEAR_MARKS, 0, nullptr, [](Application& app, int) { ClearMarks(*app.rows); }},
    Command{IDM_SEARCH_DISKS, 0, nullptr, [](Application& app, int) { SearchOnDisks(app); }},
    Command{0, IDT_MOVE_DOWN, "下降",
            [](Application& app, int) { Move(app, MoveDirection::kDown); }},
    Command{0, IDT_MOVE_UP, "上昇", [](Application& app, int) { Move(app, MoveDirection::kUp); }},
    // 編集
    Command{IDM_EDIT_ROW, IDT_EDIT_ROW, "リスト一行編集",
            [](Application& app, int) { EditRowCommand(app); }},
    Command{IDM_COPY_ROW, IDT_COPY_ROW, "リスト一行コピー",
            [](Application& app, int) { CopyRowToBuffer(app); }},
    Command{IDM_PASTE_ROW, IDT_PASTE_ROW, "リスト一行貼り付け",
            [](Application& app, int) { PasteRowFromBuffer(app); }},
    Command{IDM_EDIT_COLUMN, IDT_EDIT_COLUMN, "リスト一列編集",
            [](Application& app, int) { EditColumnCommand(app); }},
    Command{IDM_APPLY_NAME_RULES, 0, nullptr,
            [](Application& app, int) { ApplyFileNameRules(*app.rows, app.settings.file_set, 0); }},
    Command{IDM_NAME_RULE_SETTINGS, 0, nullptr,
            [](Application& app, int) {
              WaitForStartupPrinters(app);
              RunFileNameRulesDialog(app.dialog_context(), app.settings.file_set, app.printers);
            }},
    // スタート
    Command{IDM_RUN_ALL, 0, nullptr,
            [](Application& app, int) { RunScriptCommand(app, ScriptRowScope::kAll); }},
    Command{IDM_RUN_SELECTED, 0, nullptr,
            [](Application& app, int) { RunScriptCommand(app, ScriptRowScope::kSelected); }},
    Command{0, IDT_RUN_SCRIPT, "スタート",
            [](Application& app, int) { RunScriptCommand(app, ScriptRowScope::kSelectedOrAll); }},
    Command{IDM_RUN_PER_ROW, 0, nullptr, [](Application& app, int) { RunPerRowCommand(app); }},
    Command{IDM_RUN_TIMED, 0, nullptr, [](Application& app, int) { StartTimedRunCommand(app); }},
    // List読書
    Command{IDM_SAVE_LIST, 0, nullptr, [](Application& app, int) { SaveListToFileCommand(app); }},
    Command{IDM_LOAD_LIST, 0, nullptr, [](Application& app, int) { LoadListFromFileCommand(app); }},
    Command{IDM_SAVE_SCRIPT_ALL, 0, nullptr,
            [](Application& app, int) { SaveScriptFileCommand(app, ScriptRowScope::kAll); }},
    Command{IDM_SAVE_SCRIPT_SELECTED, 0, nullptr,
            [](Application& app, int) { SaveScriptFileCommand(app, ScriptRowScope::kSelected); }},
    // 環境設定
    Command{IDM_INITIAL_VALUES, IDT_INITIAL_VALUES, "初期設定",
            [](Application& app, int) { EditInitialValuesCommand(app); }},
    Command{IDM_PRINTERS, IDT_PRINTERS, "プリンタと用紙の列挙",
            [](Application& app, int) { OpenPrinterList(app); }},
    Command{IDM_SCRIPT_SETTINGS, 0, nullptr,
            [](Application& app, int) { OpenScriptSettings(app); }},
    Command{IDM_ENVIRONMENT, 0, nullptr,
            [](Application& app, int) { OpenEnvironmentSettings(app); }},
    Command{IDM_EDIT_SCRIPT, 0, nullptr, [](Application& app, int) { EditScriptFileCommand(app); }},
    // ﾍﾙﾌﾟ
    Command{IDM_HELP, IDT_HELP, "ヘルプ",
            [](Application& app, int) { OpenHelpPage(app.open_web_page, kMainHelpPage); }},
    Command{IDM_HOME_PAGE, 0, nullptr, [](Application& app, int) { OpenHomePage(app); }},
    Command{IDM_ABOUT, 0, nullptr, [](Application& app, int) { OpenAbout(app); }},
    Command{IDM_QUIT, IDT_QUIT, "終了",
            [](Application& app, int) { DestroyWindow(app.main_window); }},
    // The in-place cell editor: the edit box losing the focus, the selection box's change.
    Command{IDC_CELL_EDIT_BOX, 0, nullptr,
            [](Application& app, int code) { CellEditorCommand(app, IDC_CELL_EDIT_BOX, code); }},
    Command{IDC_CELL_SELECT_BOX, 0, nullptr,
            [](Application& app, int code) { CellEditorCommand(app, IDC_CELL_SELECT_BOX, code); }},
};

}  // namespace

std::span<const Command> MainCommands() {
  return kCommands;
}

void RunCommand(Application& app, int command_id, int notification_code) {
  if (!app.rows || command_id == 0) return;
  // Every other command may touch the rows: an open cell editor ends first, its text in its cell.
  if (command_id != IDC_CELL_EDIT_BOX && command_id != IDC_CELL_SELECT_BOX) CloseCellEditor(app);
  for (const Command& command : kCommands) {
    if (command.menu_id != command_id && command.toolbar_id != command_id) continue;
    if (command.run) command.run(app, notification_code);
    // The last folder or the current set may have changed; after the quit there is no bar.
    if (IsWindow(app.main_window)) RefreshStatusBar(app);
    return;
  }
}

std::string_view ToolbarTooltip(int command_id) {
  for (const Command& command : kCommands) {
    if (command.toolbar_id == command_id && command.tooltip) return command.tooltip;
  }
  return {};
}

}  // namespace drawlot
