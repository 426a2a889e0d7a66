// The folder-selection dialog "フォルダ選択式" (dialog 9): the program's own folder browser for
// loading the drawings of several folders in one go. Its list (904) is made when it opens.
#pragma once

#include <windows.h>

#include "win/app/application.h"
#include "win/list/drawing_sources.h"

namespace drawlot {

// What the dialog works with while it is open.
struct FolderSelection {
  Application& app;
  DrawingSources& sources;
  HWND list = nullptr;
};

// Runs the dialog modally over the main window. Rows are appended to the drawing list and the
// last folder follows the user's moves.
void RunFolderSelectionDialog(Application& app, DrawingSources& sources);

// The dialog procedure, for tests that create the dialog themselves with a FolderSelection*
// as the create parameter.
INT_PTR CALLBACK FolderSelectionProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace drawlot
