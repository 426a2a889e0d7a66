#include "core/list/list_housekeeping.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "core/model/column_layout.h"

namespace drawlot {
namespace {

void DeleteSelectedRows(RowStore& store) {
  int row = store.NextSelectedRow();
  while (row != kNoRow) {
    // After a deletion the next row has moved up into `row`; a row the store keeps is passed.
    row = store.DeleteRow(row) ? store.NextSelectedRow(row - 1) : store.NextSelectedRow(row);
  }
}

// The file name column is the last displayed item with display mode 1.
int MovedRowIcon(const ItemSlots& items, const std::vector<std::string>& texts) {
  std::string_view file_name;
  ForEachDisplayedItem(items, [&](const ScriptItem& item, int column) {
    if (item.display_mode == static_cast<int>(DisplayMode::kFileName) &&
        static_cast<std::size_t>(column) < texts.size()) {
      file_name = texts[column];
    }
  });
  return IconOfFileName(file_name);
}

// Every column of the store, not only those of the item walk: a column after a gap in the set
// can hold text too (from a loaded list), and a move must not lose it.
std::vector<std::string> ReadRowTexts(const RowStore& store, int row) {
  std::vector<std::string> texts;
  const int columns = std::max(store.ColumnCount(), 1);
  for (int column = 0; column < columns; ++column)
    texts.push_back(ReadCellText(store, row, column));
  return texts;
}

}  // namespace

void DeleteRows(RowStore& store, DeleteMode mode, Prompter& prompter, WindowRef owner) {
  if (mode != DeleteMode::kAll && store.NextSelectedRow() == kNoRow) {
    if (mode == DeleteMode::kSelected) {
      prompter.Tell(owner, "ファイルが選択していません", "選択ミス", Icon::kWarning);
      return;
    }
    mode = DeleteMode::kAll;
  }
  if (mode == DeleteMode::kAll) {
    store.DeleteAllRows();
  } else {
    DeleteSelectedRows(store);
  }
}

void MoveRow(RowStore& store, const ItemSlots& items, RowTagSource& tags, MoveDirection direction,
             Prompter& prompter, WindowRef owner) {
  const int row = store.NextSelectedRow();
  if (row == kNoRow) {
    prompter.Tell(owner, "項目を選択して下さい", "一行COPY", Icon::kNone);
    return;
  }
  const int row_count = store.RowCount();
  const std::vector<std::string> texts = ReadRowTexts(store, row);
  const int step = (direction == MoveDirection::kDown) ? 1 : -1;
  const int target = std::clamp(row + step, 0, row_count - 1);

  // The copy goes in before the row goes out, so a store that refuses the new row loses
  // nothing. While both are there, a target at or below the row sits one further down.
  const int insert_at = (target >= row) ? target + 1 : target;
  const int copy = store.InsertRow(insert_at, texts[0], MovedRowIcon(items, texts), tags.Next());
  if (copy == kNoRow) return;
  for (std::size_t column = 1; column < texts.size(); ++column) {
    store.SetCell(copy, static_cast<int>(column), texts[column]);
  }
  const int original = (copy <= row) ? row + 1 : row;
  if (!store.DeleteRow(original)) {
    store.DeleteRow(copy);
    return;
  }
  MarkRow(store, copy > original ? copy - 1 : copy);
}

}  // namespace drawlot
