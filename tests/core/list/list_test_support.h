// Item sets and row views shared by the tests of the list operations.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/list_rows.h"
#include "core/model/script_item.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/script_items.h"

namespace drawlot::testing {

// The usual layout: file name, folder, date, a hidden command, printer and paper with
// initial values, and an uneditable note.
inline ItemSlots DrawingSlots() {
  return Slots({Item("ファイル名").display(1).width(60), Item("フォルダ").display(2).width(60),
                Item("日時").display(3).width(60), Item("開く").edit(1).width(60),
                Item("出力先").display(4).edit(3).initial("LBP").width(60),
                Item("用紙").display(4).edit(4).initial("A3").width(60),
                Item("備考").display(4).initial("-").width(60)});
}

inline std::vector<std::string> RowTexts(const RowStore& store, int row) {
  std::vector<std::string> texts;
  for (int column = 0; column < store.ColumnCount(); ++column) {
    texts.push_back(store.GetCell(row, column, 1000));
  }
  return texts;
}

inline std::vector<std::string> ColumnTexts(const RowStore& store, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < store.RowCount(); ++row)
    texts.push_back(store.GetCell(row, column, 1000));
  return texts;
}

// Rows whose three marking states are all set.
inline std::vector<int> MarkedRows(const RowStore& store) {
  std::vector<int> rows;
  for (int row = 0; row < store.RowCount(); ++row) {
    if (store.GetRowState(row, kMarkStates) == kMarkStates) rows.push_back(row);
  }
  return rows;
}

inline std::vector<int> SelectedRows(const RowStore& store) {
  std::vector<int> rows;
  for (int row = store.NextSelectedRow(); row != kNoRow; row = store.NextSelectedRow(row)) {
    rows.push_back(row);
  }
  return rows;
}

// A list with the columns of `slots` and one row per file name ("a.dwg" in "C:\dwg").
inline void FillList(InMemoryRowStore& store, const ItemSlots& slots, RowTagSource& tags,
                     std::initializer_list<std::string_view> file_names) {
  BuildColumns(store, slots);
  for (std::string_view name : file_names) {
    InsertDrawingRow(store, slots, tags,
                     NewDrawing{name, "C:\\dwg", "2024/03/05 14:07", IconOfFileName(name)},
                     store.RowCount());
  }
}

}  // namespace drawlot::testing
