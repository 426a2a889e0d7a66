// The search dialog "図面ファイルの検索" (dialog 8): a combo box offering the search history and
// the button "検索". Shared by the list search and the disk search.
#pragma once

#include "core/list/list_search.h"
#include "win/platform/dialog.h"

namespace drawlot {

// Shows the dialog modally over the context's owner. The button stores the entered text as the
// search text (and in the history); the close box leaves `state` as it was. True after the
// button.
bool RunSearchDialog(const DialogContext& context, SearchState& state);

}  // namespace drawlot
