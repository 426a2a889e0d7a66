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
#include "win/app/preview_pane.h"
#include "win/app/run_commands.h"
#include "win/app/script_commands.h"
#include "win/app/undo_commands.h"
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

// Shorthands for the rows.
constexpr UndoStep kStep = UndoStep::kRows;
constexpr std::array<CommandKey, 2> Key(WORD key, bool control, const char* shown) {
  return {CommandKey{key, control, shown}, CommandKey{}};
}

// One row per command, in menu order; the rows without a menu item stand beside their kin.
constexpr std::array kCommands = {
    // ファイル選択
    Command{.menu_id = IDM_DWG_FILE,
            .toolbar_id = IDT_DWG_FILE,
            .picture = 4,
            .tooltip = "１枚単位の読込",
            .undo = kStep,
            .run = [](Application& app, int) { AddFiles(app, DrawingKind::kDwg); }},
    Command{.menu_id = IDM_DXF_FILE,
            .undo = kStep,
            .run = [](Application& app, int) { AddFiles(app, DrawingKind::kDxf); }},
    Command{.menu_id = IDM_DWG_FOLDER,
            .toolbar_id = IDT_DWG_FOLDER,
            .picture = 2,
            .tooltip = "DWGフォルダ単位読込",
            .undo = kStep,
            .run = [](Application& app, int) { AddFolder(app, DrawingKind::kDwg); }},
    Command{.menu_id = IDM_DXF_FOLDER,
            .toolbar_id = IDT_DXF_FOLDER,
            .picture = 3,
            .tooltip = "DXFフォルダ単位読込",
            .undo = kStep,
            .run = [](Application& app, int) { AddFolder(app, DrawingKind::kDxf); }},
    Command{.menu_id = IDM_DWG_TREE,
            .toolbar_id = IDT_DWG_TREE,
            .picture = 1,
            .tooltip = "DWGサブフォルダ内も読込",
            .undo = kStep,
            .run = [](Application& app, int) { AddFolderTree(app, DrawingKind::kDwg); }},
    Command{.menu_id = IDM_DXF_TREE,
            .undo = kStep,
            .run = [](Application& app, int) { AddFolderTree(app, DrawingKind::kDxf); }},
    Command{.menu_id = IDM_CHOOSE_FOLDERS,
            .toolbar_id = IDT_CHOOSE_FOLDERS,
            .picture = 0,
            .tooltip = "フォルダを選択し読込",
            .undo = kStep,
            .run = [](Application& app, int) { ChooseFoldersCommand(app); }},
    Command{.menu_id = IDM_DELETE_SELECTED,
            .keys = Key(VK_DELETE, false, "Del"),
            .undo = kStep,
            .run = [](Application& app, int) { Delete(app, DeleteMode::kSelected); }},
    Command{.menu_id = IDM_DELETE_ALL,
            .undo = kStep,
            .run = [](Application& app, int) { Delete(app, DeleteMode::kAll); }},
    Command{.toolbar_id = IDT_DELETE_ROWS,
            .picture = 5,
            .tooltip = "リストから削除",
            .undo = kStep,
            .run = [](Application& app, int) { Delete(app, DeleteMode::kSelectedOrAll); }},
    // 検索
    Command{.menu_id = IDM_SEARCH_LIST,
            .run = [](Application& app, int) { SearchInListCommand(app); }},
    Command{.menu_id = IDM_MARK_ALL,
            .keys = Key('A', true, "Ctrl+A"),
            .run = [](Application& app, int) { MarkAllRows(*app.rows); }},
    Command{.menu_id = IDM_CLEAR_MARKS,
            .run = [](Application& app, int) { ClearMarks(*app.rows); }},
    Command{.menu_id = IDM_SEARCH_DISKS,
            .undo = kStep,
            .run = [](Application& app, int) { SearchOnDisks(app); }},
    Command{.toolbar_id = IDT_MOVE_DOWN,
            .picture = 13,
            .tooltip = "下降",
            .undo = kStep,
            .run = [](Application& app, int) { Move(app, MoveDirection::kDown); }},
    Command{.toolbar_id = IDT_MOVE_UP,
            .picture = 14,
            .tooltip = "上昇",
            .undo = kStep,
            .run = [](Application& app, int) { Move(app, MoveDirection::kUp); }},
    // 編集
    Command{.menu_id = IDM_EDIT_ROW,
            .toolbar_id = IDT_EDIT_ROW,
            .picture = 9,
            .tooltip = "リスト一行編集",
            .keys = {CommandKey{VK_RETURN, false, "Enter"}, CommandKey{VK_F2, false, nullptr}},
            .undo = kStep,
            .run = [](Application& app, int) { EditRowCommand(app); }},
    Command{.menu_id = IDM_COPY_ROW,
            .toolbar_id = IDT_COPY_ROW,
            .picture = 10,
            .tooltip = "リスト一行コピー",
            .keys = Key('C', true, "Ctrl+C"),
            .run = [](Application& app, int) { CopyRowToBuffer(app); }},
    Command{.menu_id = IDM_PASTE_ROW,
            .toolbar_id = IDT_PASTE_ROW,
            .picture = 11,
            .tooltip = "リスト一行貼り付け",
            .keys = Key('V', true, "Ctrl+V"),
            .undo = kStep,
            .run = [](Application& app, int) { PasteRowFromBuffer(app); }},
    Command{.menu_id = IDM_EDIT_COLUMN,
            .toolbar_id = IDT_EDIT_COLUMN,
            .picture = 12,
            .tooltip = "リスト一列編集",
            .undo = kStep,
            .run = [](Application& app, int) { EditColumnCommand(app); }},
    Command{.menu_id = IDM_APPLY_NAME_RULES,
            .undo = kStep,
            .run = [](Application& app,
                      int) { ApplyFileNameRules(*app.rows, app.settings.file_set, 0); }},
    Command{.menu_id = IDM_NAME_RULE_SETTINGS,
            .run =
                [](Application& app, int) {
                  WaitForStartupPrinters(app);
                  RunFileNameRulesDialog(app.dialog_context(), app.settings.file_set, app.printers);
                }},
    Command{.menu_id = IDM_UNDO,
            .keys = Key('Z', true, "Ctrl+Z"),
            .run = [](Application& app, int) { UndoCommand(app); }},
    Command{.menu_id = IDM_SELECT_CHANGED,
            .run = [](Application& app, int) { SelectChangedDrawingsCommand(app); }},
    Command{.menu_id = IDM_PREVIEW,
            .run = [](Application& app, int) { TogglePreviewCommand(app); }},
    // スタート
    Command{.menu_id = IDM_RUN_ALL,
            .run = [](Application& app, int) { RunScriptCommand(app, ScriptRowScope::kAll); }},
    Command{.menu_id = IDM_RUN_SELECTED,
            .run = [](Application& app, int) { RunScriptCommand(app, ScriptRowScope::kSelected); }},
    Command{.toolbar_id = IDT_RUN_SCRIPT,
            .picture = 6,
            .tooltip = "スタート",
            .run = [](Application& app,
                      int) { RunScriptCommand(app, ScriptRowScope::kSelectedOrAll); }},
    Command{.menu_id = IDM_RUN_PER_ROW,
            .run = [](Application& app, int) { RunPerRowCommand(app, RunMode::kPerRowLoop); }},
    Command{.menu_id = IDM_RUN_TIMED,
            .run = [](Application& app, int) { RunPerRowCommand(app, RunMode::kPerRowTimed); }},
    // List読書
    Command{.menu_id = IDM_SAVE_LIST,
            .run = [](Application& app, int) { SaveListToFileCommand(app); }},
    Command{.menu_id = IDM_LOAD_LIST,
            .undo = kStep,
            .run = [](Application& app, int) { LoadListFromFileCommand(app); }},
    Command{.menu_id = IDM_SAVE_SCRIPT_ALL,
            .run = [](Application& app, int) { SaveScriptFileCommand(app, ScriptRowScope::kAll); }},
    Command{.menu_id = IDM_SAVE_SCRIPT_SELECTED,
            .run = [](Application& app,
                      int) { SaveScriptFileCommand(app, ScriptRowScope::kSelected); }},
    // 環境設定
    Command{.menu_id = IDM_INITIAL_VALUES,
            .toolbar_id = IDT_INITIAL_VALUES,
            .picture = 8,
            .tooltip = "初期設定",
            .undo = kStep,
            .run = [](Application& app, int) { EditInitialValuesCommand(app); }},
    Command{.menu_id = IDM_PRINTERS,
            .toolbar_id = IDT_PRINTERS,
            .picture = 7,
            .tooltip = "プリンタと用紙の列挙",
            .run = [](Application& app, int) { OpenPrinterList(app); }},
    Command{.menu_id = IDM_SCRIPT_SETTINGS,
            .undo = UndoStep::kColumns,
            .run = [](Application& app, int) { OpenScriptSettings(app); }},
    Command{.menu_id = IDM_ENVIRONMENT,
            .run = [](Application& app, int) { OpenEnvironmentSettings(app); }},
    Command{.menu_id = IDM_RUN_SETTINGS,
            .run = [](Application& app, int) { RunSettingsCommand(app); }},
    Command{.menu_id = IDM_EDIT_SCRIPT,
            .run = [](Application& app, int) { EditScriptFileCommand(app); }},
    Command{.menu_id = IDM_OPEN_RUN_RECORD,
            .run = [](Application& app, int) { OpenRunRecordCommand(app); }},
    // ﾍﾙﾌﾟ
    Command{.menu_id = IDM_HELP,
            .toolbar_id = IDT_HELP,
            .picture = 15,
            .tooltip = "ヘルプ",
            .keys = Key(VK_F1, false, "F1"),
            .run = [](Application& app, int) { OpenHelpPage(app.open_web_page, kMainHelpPage); }},
    Command{.menu_id = IDM_HOME_PAGE, .run = [](Application& app, int) { OpenHomePage(app); }},
    Command{.menu_id = IDM_ABOUT, .run = [](Application& app, int) { OpenAbout(app); }},
    Command{.menu_id = IDM_QUIT,
            .toolbar_id = IDT_QUIT,
            .picture = 16,
            .tooltip = "終了",
            .run = [](Application& app, int) { DestroyWindow(app.main_window); }},
    // The in-place cell editor: the edit box losing the focus, the selection box's change.
    Command{
        .menu_id = IDC_CELL_EDIT_BOX,
        .run = [](Application& app, int code) { CellEditorCommand(app, IDC_CELL_EDIT_BOX, code); }},
    Command{.menu_id = IDC_CELL_SELECT_BOX,
            .run = [](Application& app,
                      int code) { CellEditorCommand(app, IDC_CELL_SELECT_BOX, code); }},
};

// The bar's buttons, one per picture of the strip (whose count CMake reads from the bitmap), each
// picture used once: a row added without its picture, or a picture without its row, stops the
// build here.
constexpr bool EveryPictureHasOneButton() {
  std::array<int, DRAWLOT_TOOLBAR_PICTURES> buttons{};
  for (const Command& command : kCommands) {
    if ((command.toolbar_id == 0) != (command.picture < 0)) return false;
    if (command.picture < 0) continue;
    if (command.picture >= DRAWLOT_TOOLBAR_PICTURES || buttons[command.picture]++ > 0) return false;
    if (command.tooltip == nullptr) return false;
  }
  for (const int count : buttons) {
    if (count != 1) return false;
  }
  return true;
}
static_assert(EveryPictureHasOneButton(), "each toolbar picture needs exactly one command row");

constexpr std::array<const Command*, DRAWLOT_TOOLBAR_PICTURES> ButtonsInPictureOrder() {
  std::array<const Command*, DRAWLOT_TOOLBAR_PICTURES> buttons{};
  for (const Command& command : kCommands) {
    if (command.picture >= 0) buttons[command.picture] = &command;
  }
  return buttons;
}
constexpr auto kToolbarButtons = ButtonsInPictureOrder();

}  // namespace

std::span<const Command> MainCommands() {
  return kCommands;
}

std::span<const Command* const> ToolbarCommands() {
  return kToolbarButtons;
}

void RunCommand(Application& app, int command_id, int notification_code) {
  if (!app.rows || command_id == 0) return;
  // Every other command may touch the rows: an open cell editor ends first, its text in its cell.
  if (command_id != IDC_CELL_EDIT_BOX && command_id != IDC_CELL_SELECT_BOX) CloseCellEditor(app);
  for (const Command& command : kCommands) {
    if (command.menu_id != command_id && command.toolbar_id != command_id) continue;
    if (command.run) {
      RunAsUndoStep(app, command.undo, [&] { command.run(app, notification_code); });
    }
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
