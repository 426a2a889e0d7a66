#include "core/list/row_marks.h"

namespace drawlot {

void MarkAllRows(RowStore& store) {
  for (int row = 0; row < store.RowCount(); ++row) MarkRow(store, row);
}

void ClearMarks(RowStore& store) {
  // Walks on from each cleared row rather than asking for the first selected row again, so a
  // store that fails to clear a row cannot keep us here forever.
  for (int row = store.NextSelectedRow(); row != kNoRow; row = store.NextSelectedRow(row)) {
    UnmarkRow(store, row);
  }
}

}  // namespace drawlot
