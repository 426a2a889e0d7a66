#include "core/edit/row_edit.h"

#include <array>

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"

namespace drawlot {
namespace {

// Columns 0 to 2 hold the file name, the folder and the date: the edits never write them.
constexpr int kFirstWrittenColumn = 3;

// Writes buffer cell j into column j of `row` for j from 3 up to the item walk's end, the
// cells for which `wanted` holds.
template <typename Wanted>
void WriteRowFromBuffer(RowStore& rows, int row, int item_count, const RowBuffer& buffer,
                        Wanted&& wanted) {
  for (int column = kFirstWrittenColumn; column < item_count; ++column) {
    if (wanted(buffer.cells[column])) rows.SetCell(row, column, buffer.cells[column].view());
  }
}

constexpr bool IsInitialValueItem(const ScriptItem& item) {
  return item.display_mode == static_cast<int>(DisplayMode::kInitialValue);
}

}  // namespace

std::string EditDialogTitle(EditDialogMode mode, std::string_view set_title) {
  switch (mode) {
    case EditDialogMode::kOneRow:
      return "一行編集　選んだ行を変更します";
    case EditDialogMode::kOneColumn:
      return "列単位で編集　列で変更します。空欄は変更しない";
    case EditDialogMode::kInitialValues:
      break;
  }
  return "初期設定(" + std::string(set_title) + ")読込時に設定します";
}

void EditRow(RowStore& rows, const ItemSlots& items, RowBuffer& buffer, Prompter& prompter,
             WindowRef owner, const EditDialogRunner& run_dialog) {
  const int first = rows.NextSelectedRow();
  if (first == kNoRow) {
    prompter.Tell(owner, "項目を選択して下さい", "一行編集", Icon::kNone);
    return;
  }
  // One buffer cell per item of the walk, read from the column of the same number.
  const int item_count = ItemCount(items);
  for (int column = 0; column < item_count; ++column) {
    buffer.cells[column] = ReadCellText(rows, first, column, FixedText<128>::kCapacity);
  }
  if (!run_dialog(EditDialogMode::kOneRow, buffer)) return;
  for (int row = rows.NextSelectedRow(); row != kNoRow; row = rows.NextSelectedRow(row)) {
    WriteRowFromBuffer(rows, row, item_count, buffer, [](const auto&) { return true; });
    UnmarkRow(rows, row);
  }
}

void EditColumn(RowStore& rows, const ItemSlots& items, RowBuffer& buffer,
                const EditDialogRunner& run_dialog) {
  const int item_count = ItemCount(items);
  std::array<FixedText<128>, kItemSlotCount> backup;
  for (int i = 0; i < item_count; ++i) {
    backup[i] = buffer.cells[i];
    buffer.cells[i].Clear();
  }
  if (run_dialog(EditDialogMode::kOneColumn, buffer)) {
    for (int row = 0, count = rows.RowCount(); row < count; ++row) {
      WriteRowFromBuffer(rows, row, item_count, buffer,
                         [](const FixedText<128>& cell) { return !cell.empty(); });
      UnmarkRow(rows, row);
    }
  }
  for (int i = 0; i < item_count; ++i) buffer.cells[i] = backup[i];
}

void EditInitialValues(ItemSlots& items, RowBuffer& buffer, const EditDialogRunner& run_dialog) {
  ForEachDisplayedItem(items, [&](const ScriptItem& item, int column) {
    if (IsInitialValueItem(item)) buffer.cells[column] = item.initial_value;
  });
  if (!run_dialog(EditDialogMode::kInitialValues, buffer)) return;
  const ColumnLayout layout = ColumnLayout::ItemWalk(items);
  for (const ItemColumn& shown : layout.columns()) {
    ScriptItem& item = items[shown.slot];
    if (IsInitialValueItem(item)) item.initial_value = buffer.cells[shown.column];
  }
}

}  // namespace drawlot
