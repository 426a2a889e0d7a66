// Item sets and row views shared by the tests of the list operations.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/items/script_item.h"
#include "core/list/in_memory_row_store.h"
#include "core/list/list_rows.h"

namespace drawlot::testing {

inline ScriptItem Item(std::string_view title, int display_mode, int edit_mode = 1,
                       std::string_view initial_value = "", int width = 60) {
  ScriptItem item;
  item.present = 1;
  item.title = title;
  item.display_mode = display_mode;
  item.edit_mode = edit_mode;
  item.initial_value = initial_value;
  item.width = width;
  return item;
}

// Slots from 0 in the given order; the rest absent.
inline ItemSlots Slots(std::initializer_list<ScriptItem> items) {
  ItemSlots slots{};
  int slot = 0;
  for (const ScriptItem& item : items) slots[slot++] = item;
  return slots;
}

// The usual layout: file name, folder, date, a hidden command, printer and paper with
// initial values, and an uneditable note.
inline ItemSlots DrawingSlots() {
  return Slots({Item("ファイル名", 1, 0), Item("フォルダ", 2, 0), Item("日時", 3, 0),
                Item("開く", 0), Item("出力先", 4, 3, "LBP"), Item("用紙", 4, 4, "A3"),
                Item("備考", 4, 0, "-")});
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
