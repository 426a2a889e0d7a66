// Row copy and paste: the cells of one drawing row carried over to other rows, column by
// column. The edit dialog uses the same buffer as its working cells.
#pragma once

#include <array>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"
#include "core/text/fixed_text.h"

namespace drawlot {

// One cell per possible column, 127 bytes of text each, indexed by column.
struct RowBuffer {
  std::array<FixedText<128>, kItemSlotCount> cells;

  void Clear() { cells.fill(FixedText<128>{}); }
};

// Copies the first selected row's displayed columns into `buffer` (cells of later columns keep
// what they held) and unmarks every selected row.
void CopyRow(RowStore& store, const ItemSlots& items, RowBuffer& buffer, Prompter& prompter,
             WindowRef owner);

// Writes the buffer into the editable columns (edit mode nonzero) of every selected row and
// unmarks each. Refused when no row is selected or when the fifth cell is empty (nothing has
// been copied yet).
void PasteRow(RowStore& store, const ItemSlots& items, const RowBuffer& buffer, Prompter& prompter,
              WindowRef owner);

}  // namespace drawlot
