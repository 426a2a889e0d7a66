// The life of the program: the main window, the message loop, and the settings files written
// after the loop.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// Registers the class, creates and shows the main window, runs the message loop and saves the
// settings. Returns the exit code: 0, also when the class cannot be registered.
int RunDrawlot(Application& app, int show_command);

// After the loop: "plot_set.ini", then "drwlt_set1.ini", then "drwlt_set2.ini", each only when
// the start-up reads finished and it was not a file that could not be read ("drwlt_set2.ini"
// also not when "drwlt_set1.ini" could not be read).
void SaveSettingsAtExit(Application& app);

}  // namespace drawlot
