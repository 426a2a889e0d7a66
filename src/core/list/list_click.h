// A left click on the drawing list. The control selects and focuses rows by itself; the click
// then gives every selected or focused row all three marking states, so that the marked rows
// stay visibly marked (drop-highlighted) after the list loses the focus.
#pragma once

#include "core/model/row_store.h"

namespace drawlot {

// Marks every row that is selected or focused and unmarks every other row.
void MarkClickedRows(RowStore& store);

}  // namespace drawlot
