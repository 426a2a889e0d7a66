// What the main window does with a command id: a menu item, a toolbar button or a control of
// the in-place cell editor. One row per command in the command table (main_commands.cpp).
#pragma once

#include <span>
#include <string_view>

#include "win/app/application.h"

namespace drawlot {

// A handler gets the notification code of the command message (the high word of its first
// parameter); only the cell editor's controls look at it.
using CommandHandler = void (*)(Application& app, int notification_code);

struct Command {
  int menu_id;          // the menu item's id, or the cell editor control's; 0 for none
  int toolbar_id;       // the toolbar button's id; 0 for none
  const char* tooltip;  // the toolbar button's tooltip; nullptr for none
  CommandHandler run;
};

// Every command of the main window, in menu order.
std::span<const Command> MainCommands();

// Runs the row whose menu or toolbar id is `command_id`, then refreshes the status bar (the
// last folder or the current set may have changed); ids without a row do nothing.
void RunCommand(Application& app, int command_id, int notification_code);

// The text of a toolbar button's tooltip, or empty for an id that is no button.
std::string_view ToolbarTooltip(int command_id);

}  // namespace drawlot
