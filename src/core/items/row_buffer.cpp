#include "core/items/row_buffer.h"

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"

namespace drawlot {
namespace {

// A paste needs this cell filled: an empty fifth cell means nothing was copied yet.
constexpr int kCopiedMarkerCell = 4;

}  // namespace

void CopyRow(RowStore& store, const ItemSlots& items, RowBuffer& buffer, Prompter& prompter,
             WindowRef owner) {
  const int row = store.NextSelectedRow();
  if (row == kNoRow) {
    prompter.Tell(owner, "項目を選択して下さい", "一行COPY", Icon::kNone);
    return;
  }
  ForEachDisplayedItem(items, [&](const ScriptItem&, int column) {
    buffer.cells[column] = ReadCellText(store, row, column, FixedText<128>::kCapacity);
  });
  ClearMarks(store);
}

void PasteRow(RowStore& store, const ItemSlots& items, const RowBuffer& buffer, Prompter& prompter,
              WindowRef owner) {
  if (store.NextSelectedRow() == kNoRow) {
    prompter.Tell(owner, "項目を選択して下さい", "一行PASTE", Icon::kNone);
    return;
  }
  if (buffer.cells[kCopiedMarkerCell].empty()) {
    prompter.Tell(owner, "最初にコピー操作を行って下さい", "一行PASTE", Icon::kNone);
    return;
  }
  for (int row = store.NextSelectedRow(); row != kNoRow; row = store.NextSelectedRow(row)) {
    ForEachDisplayedItem(items, [&](const ScriptItem& item, int column) {
      if (item.edit_mode != 0) store.SetCell(row, column, buffer.cells[column].view());
    });
    UnmarkRow(store, row);
  }
}

}  // namespace drawlot
