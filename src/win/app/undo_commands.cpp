#include "win/app/undo_commands.h"

#include <memory>

#include "win/platform/list_redraw_pause.h"

namespace drawlot {

namespace {

// The steps hold rows of the old columns: after a change of the current set's items they
// would come back under the wrong titles.
void RunChangingColumns(Application& app, const std::function<void()>& change) {
  const auto columns_before = std::make_unique<ItemSlots>(app.current_items());
  change();
  if (app.current_items() != *columns_before) app.undo.Clear();
}

}  // namespace

void RunAsUndoStep(Application& app, UndoStep undo, const std::function<void()>& change) {
  switch (undo) {
    case UndoStep::kNone:
      return change();
    case UndoStep::kColumns:
      return RunChangingColumns(app, change);
    case UndoStep::kRows:
      app.undo.Begin(*app.rows);
      change();
      app.undo.Finish(*app.rows);
      return;
  }
}

void OpenCellEditorUndoStep(Application& app) {
  app.undo.Begin(*app.rows);
}

void FinishCellEditorUndoStep(Application& app) {
  app.undo.Finish(*app.rows);
}

void UndoCommand(Application& app) {
  const ListRedrawPause pause(app.drawing_list);
  app.undo.Undo(*app.rows);
}

}  // namespace drawlot
