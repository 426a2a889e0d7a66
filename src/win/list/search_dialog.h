// The search dialog "図面ファイルの検索" (dialog 8): a combo box offering the search history and
// the button "検索". Shared by the list search and the disk search.
#pragma once

#include <windows.h>

#include "core/list/list_search.h"

namespace drawlot {

// Shows the dialog modally over `owner`. The button stores the entered text as the search
// text (and in the history); the close box leaves `state` as it was. True after the button.
bool RunSearchDialog(HINSTANCE instance, HWND owner, SearchState& state);

// The dialog procedure, for tests that create the dialog themselves with a SearchState* as
// the create parameter.
INT_PTR CALLBACK SearchDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace drawlot
