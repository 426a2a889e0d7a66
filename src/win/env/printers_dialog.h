// The printer and paper dialog "プリンタと用紙の列挙" (dialog 5): a read-only list view with a row
// per printer and its paper names in 63 further columns, filled from a fresh enumeration.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// Enumerates the printers again and shows the dialog modally over the main window.
void RunPrintersDialog(Application& app);

// The dialog procedure, for tests that create the dialog themselves with an Application* as
// the create parameter.
INT_PTR CALLBACK PrintersDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace drawlot
