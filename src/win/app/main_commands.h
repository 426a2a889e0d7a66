// What the main window does with a command id: a menu item, a toolbar button or a control of
// the in-place cell editor.
#pragma once

#include "win/app/application.h"

namespace drawlot {

void RunCommand(Application& app, int command_id, int notification_code);

}  // namespace drawlot
