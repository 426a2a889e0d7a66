// "元に戻す" in the main window: every change of rows is recorded as a step of the application's
// undo history through this one path: the command rows by their UndoStep, and the list's own
// notifications (a header click, a drop, the in-place cell editor) by the same calls.
#pragma once

#include <functional>

#include "win/app/application.h"
#include "win/app/main_commands.h"

namespace drawlot {

// Runs `change` as `undo` says: as one step of the history (kRows), emptying the history when
// the columns changed (kColumns), or plainly (kNone).
void RunAsUndoStep(Application& app, UndoStep undo, const std::function<void()>& change);

// The cell editor's step: opened with the editor, before it empties the cell, and finished
// when the editor gives its text to the cell.
void OpenCellEditorUndoStep(Application& app);
void FinishCellEditorUndoStep(Application& app);

// Puts the list back as it was before the last step. Nothing happens when there is none.
void UndoCommand(Application& app);

}  // namespace drawlot
