// Marking rows for the user: the focused, selected and drop-highlighted states are always set
// or cleared together, so that a marked row looks the same whichever operation marked it.
#pragma once

#include "core/model/row_store.h"

namespace drawlot {

inline void MarkRow(RowStore& store, int row) {
  store.SetRowState(row, kMarkStates, kMarkStates);
}
inline void UnmarkRow(RowStore& store, int row) {
  store.SetRowState(row, 0, kMarkStates);
}

// Marks every row, top to bottom.
void MarkAllRows(RowStore& store);

// Clears the marks of every selected row; rows that are not selected are not touched.
void ClearMarks(RowStore& store);

}  // namespace drawlot
