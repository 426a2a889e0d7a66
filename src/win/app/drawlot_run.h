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
// The files that were kept instead get their session versions beside them, and one box says
// where (the list's was saved when the window closed).
void SaveSettingsAtExit(Application& app);

// The local date and time, for the names of the session versions of kept files.
ClockTime LocalClockTime();

}  // namespace drawlot
