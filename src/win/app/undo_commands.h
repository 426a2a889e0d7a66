// "元に戻す" in the main window: the commands that change rows are recorded as steps of the
// application's undo history around their run, in this one place; the header-click sort, the
// cell editor and a drop record themselves in the same history.
#pragma once

#include "win/app/application.h"
#include "win/app/main_commands.h"

namespace drawlot {

// Runs a command's handler; when the command may change rows, as one step of the history.
// After the script settings the history is emptied when the columns changed.
void RunAsUndoStep(Application& app, int command_id, CommandHandler run, int notification_code);

// Puts the list back as it was before the last step. Nothing happens when there is none.
void UndoCommand(Application& app);

}  // namespace drawlot
