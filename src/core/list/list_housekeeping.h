// Tidying the drawing list: deleting rows and moving one row up or down. Marking all rows and
// clearing the marks are in row_marks.h.
#pragma once

#include "core/list/row_marks.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

enum class DeleteMode {
  kAll = 0,            // every row
  kSelected = 1,       // the selected rows; a warning when there are none
  kSelectedOrAll = 2,  // the selected rows, or every row when none is selected
};

// Deletes rows by `mode`, without asking.
void DeleteRows(RowStore& store, DeleteMode mode, Prompter& prompter, WindowRef owner);

enum class MoveDirection { kUp, kDown };

// Moves the first selected row one place up or down (the first row stays first, the last
// stays last) and marks it. The row keeps every cell; it gets a fresh tag from `tags` and the
// icon its file-name column gives.
void MoveRow(RowStore& store, const ItemSlots& items, RowTagSource& tags, MoveDirection direction,
             Prompter& prompter, WindowRef owner);

}  // namespace drawlot
