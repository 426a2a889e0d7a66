// The life of the program: the main window, the message loop, and the settings files written
// after the loop.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// Registers the class, creates and shows the main window, runs the message loop and saves the
// settings files (see core/workspace). Returns the exit code: 0, also when the class cannot be
// registered.
int RunDrawlot(Application& app, int show_command);

}  // namespace drawlot
