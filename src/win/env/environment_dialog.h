// The environment settings dialog "環境設定" (dialog 2): the three paths with their browse
// buttons and the automatic detection, the prohibited printers, and the A/B paper restriction.
// It changes the settings in memory; they reach "plot_set.ini" when the program ends.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// Modal over the main window (the menu command).
void RunEnvironmentDialog(Application& app);
// Modeless beside the main window (start-up without "plot_set.ini"); the window, or nullptr.
HWND OpenEnvironmentDialog(Application& app);

}  // namespace drawlot
