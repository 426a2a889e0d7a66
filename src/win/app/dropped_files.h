// Files and folders dragged from Explorer onto the main window.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "win/app/application.h"

namespace drawlot {

// WM_DROPFILES: the drawings are added at the end of the list as one step of the undo history,
// and the status bar's last part tells how many of the dropped paths were left out. The drop's
// memory is given back.
void DropFilesCommand(Application& app, HDROP drop);

}  // namespace drawlot
