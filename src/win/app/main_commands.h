// What the main window does with a command id: a menu item, a toolbar button, a key or a control
// of the in-place cell editor. One row per command in the command table (main_commands.cpp)
// carries everything about it: its ids, its toolbar picture and tooltip, its keys, whether it
// makes an undo step, and its handler. The toolbar, the accelerator table and the undo steps are
// built from the rows.
#pragma once

#include <windows.h>

#include <array>
#include <span>
#include <string_view>

#include "win/app/application.h"

namespace drawlot {

// A handler gets the notification code of the command message (the high word of its first
// parameter); only the cell editor's controls look at it.
using CommandHandler = void (*)(Application& app, int notification_code);

// A key of the drawing list that runs the command (through the accelerator table).
struct CommandKey {
  WORD key = 0;  // the virtual key; 0 for none
  bool control = false;
  // Shown after a tab in the caption of the command's menu item; nullptr shows nothing.
  const char* shown = nullptr;
};

// What a command does to "元に戻す".
enum class UndoStep {
  kNone,     // it changes no rows
  kRows,     // it may change rows: the rows before it become a step when they changed
  kColumns,  // it may change the columns: the history is emptied when they changed
};

struct Command {
  int menu_id = 0;     // the menu item's id, or the cell editor control's; 0 for none
  int toolbar_id = 0;  // the toolbar button's id; 0 for none
  int picture = -1;    // the button's picture in the toolbar strip; also its place on the bar
  const char* tooltip = nullptr;  // the toolbar button's tooltip
  std::array<CommandKey, 2> keys{};
  UndoStep undo = UndoStep::kNone;
  CommandHandler run = nullptr;
};

// Every command of the main window, in menu order.
std::span<const Command> MainCommands();
// The rows with a toolbar button, in the bar's order (picture 0 first).
std::span<const Command* const> ToolbarCommands();

// Runs the row whose menu or toolbar id is `command_id` (as an undo step when the row says so),
// then refreshes the status bar (the last folder or the current set may have changed); ids
// without a row do nothing.
void RunCommand(Application& app, int command_id, int notification_code);

// The text of a toolbar button's tooltip, or empty for an id that is no button.
std::string_view ToolbarTooltip(int command_id);

}  // namespace drawlot
