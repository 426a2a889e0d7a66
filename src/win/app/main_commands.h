// What the main window does with a command id: a menu item, a toolbar button or a control of
// the in-place cell editor. One row per command in the command table (main_commands.cpp).
#pragma once

#include <span>

#include "win/app/application.h"

namespace drawlot {

// A handler gets the notification code of the command message (the high word of its first
// parameter); only the cell editor's controls look at it.
using CommandHandler = void (*)(Application& app, int notification_code);

struct Command {
  int menu_id;         // the menu item's id, or the cell editor control's; 0 for none
  int toolbar_id;      // the toolbar button's id; 0 for none
  CommandHandler run;  // nullptr: the operation is not wired yet, and the id does nothing
};

// Every command of the main window, in menu order.
std::span<const Command> MainCommands();

// Runs the row whose menu or toolbar id is `command_id`; ids without a row do nothing.
void RunCommand(Application& app, int command_id, int notification_code);

}  // namespace drawlot
