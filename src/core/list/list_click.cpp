#include "core/list/list_click.h"

#include "core/list/row_marks.h"

namespace drawlot {

void MarkClickedRows(RowStore& store) {
  for (int row = 0, count = store.RowCount(); row < count; ++row) {
    if (store.GetRowState(row, kStateSelected | kStateFocused) != 0) {
      MarkRow(store, row);
    } else {
      UnmarkRow(store, row);
    }
  }
}

}  // namespace drawlot
