#include "win/app/undo_commands.h"

#include <algorithm>
#include <array>
#include <memory>

#include "resources/resource_ids.h"
#include "win/platform/list_redraw_pause.h"

namespace drawlot {

namespace {

// Deletions, moves, paste, the edits, the file-name rules, every way of adding, loading a list.
constexpr std::array kRowChangingCommands = {
    IDM_DWG_FILE,        IDT_DWG_FILE,       IDM_DXF_FILE,         IDM_DWG_FOLDER,
    IDT_DWG_FOLDER,      IDM_DXF_FOLDER,     IDT_DXF_FOLDER,       IDM_DWG_TREE,
    IDT_DWG_TREE,        IDM_DXF_TREE,       IDM_CHOOSE_FOLDERS,   IDT_CHOOSE_FOLDERS,
    IDM_DELETE_SELECTED, IDM_DELETE_ALL,     IDT_DELETE_ROWS,      IDM_SEARCH_DISKS,
    IDT_MOVE_DOWN,       IDT_MOVE_UP,        IDM_EDIT_ROW,         IDT_EDIT_ROW,
    IDM_PASTE_ROW,       IDT_PASTE_ROW,      IDM_EDIT_COLUMN,      IDT_EDIT_COLUMN,
    IDM_INITIAL_VALUES,  IDT_INITIAL_VALUES, IDM_APPLY_NAME_RULES, IDM_LOAD_LIST,
};

bool ChangesRows(int command_id) {
  return std::ranges::find(kRowChangingCommands, command_id) != kRowChangingCommands.end();
}

// The steps hold rows of the old columns: after a change of the current set's items they
// would come back under the wrong titles.
void RunScriptSettings(Application& app, CommandHandler run, int notification_code) {
  const auto columns_before = std::make_unique<ItemSlots>(app.current_items());
  run(app, notification_code);
  if (app.current_items() != *columns_before) app.undo.Clear();
}

}  // namespace

void RunAsUndoStep(Application& app, int command_id, CommandHandler run, int notification_code) {
  if (command_id == IDM_SCRIPT_SETTINGS) return RunScriptSettings(app, run, notification_code);
  if (!ChangesRows(command_id)) return run(app, notification_code);
  app.undo.Begin(*app.rows);
  run(app, notification_code);
  app.undo.Finish(*app.rows);
}

void UndoCommand(Application& app) {
  const ListRedrawPause pause(app.drawing_list);
  app.undo.Undo(*app.rows);
}

}  // namespace drawlot
