// The three edits of the edit dialog: one row (the result goes to every selected row), one
// column (every filled field goes to every row) and the initial values of the current set.
// RowBuffer is the exchange buffer: filled before the dialog, written back after OK.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/items/row_buffer.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

enum class EditDialogMode { kOneRow = 0, kOneColumn = 1, kInitialValues = 2 };

// Runs the edit dialog over `buffer`; true when the user ended it with OK (the dialog then
// has read its controls into the buffer).
using EditDialogRunner = std::function<bool(EditDialogMode mode, RowBuffer& buffer)>;

// The dialog's caption for `mode`; `set_title` is the current set's title.
std::string EditDialogTitle(EditDialogMode mode, std::string_view set_title);

// Reads the first selected row into the buffer, runs the dialog, and on OK writes columns 3 and
// up into every selected row and unmarks them. Cancel changes no row and keeps the selection.
// Without a selected row: "項目を選択して下さい" / "一行編集".
void EditRow(RowStore& rows, const ItemSlots& items, RowBuffer& buffer, Prompter& prompter,
             WindowRef owner, const EditDialogRunner& run_dialog);

// Runs the dialog on an empty buffer and on OK writes every filled field into columns 3 and up
// of every row, unmarking all of them. The buffer holds what it held before (a copied row
// survives); Cancel changes no row.
void EditColumn(RowStore& rows, const ItemSlots& items, RowBuffer& buffer,
                const EditDialogRunner& run_dialog);

// Shows the initial values of the display-mode-4 items in their columns' cells and on OK
// stores those cells back as the items' initial values; nothing else is stored.
void EditInitialValues(ItemSlots& items, RowBuffer& buffer, const EditDialogRunner& run_dialog);

}  // namespace drawlot
