// The main window where it was at the last close: its place is kept in "drawlot.ini"
// (app.program_settings, written at exit when it changed).
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// Moves the new, not yet shown window to the saved place when that rectangle is still on a
// monitor; otherwise it stays where it was made (800 x 560, centred). Returns the show command
// to show it with: maximized when it was, unless the process was started otherwise.
int RestoreMainWindowPlace(const Application& app, int show_command);

// Keeps the window's place (its rectangle when not maximized, and whether it is) in the
// program settings; only after a start that read the settings.
void RememberMainWindowPlace(Application& app);

}  // namespace drawlot
