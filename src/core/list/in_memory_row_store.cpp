#include "core/list/in_memory_row_store.h"

#include <algorithm>

namespace drawlot {

int InMemoryRowStore::NextSelectedRow(int after) const {
  for (int row = std::max(after + 1, 0); row < RowCount(); ++row) {
    if (rows_[row].state & kStateSelected) return row;
  }
  return kNoRow;
}

int InMemoryRowStore::SelectedCount() const {
  return static_cast<int>(std::count_if(
      rows_.begin(), rows_.end(), [](const Row& r) { return (r.state & kStateSelected) != 0; }));
}

int InMemoryRowStore::InsertRow(int position, std::string_view first_cell, int icon,
                                std::int32_t tag) {
  // Like the list view: a position past the end appends; a store without columns still
  // holds the row's first cell.
  const int at = std::clamp(position, 0, RowCount());
  Row row;
  row.cells.emplace_back(first_cell);
  row.icon = icon;
  row.tag = tag;
  rows_.insert(rows_.begin() + at, std::move(row));
  return at;
}

bool InMemoryRowStore::SetCell(int row, int column, std::string_view text) {
  if (!IsRow(row) || column < 0 || (column > 0 && column >= ColumnCount())) return false;
  auto& cells = rows_[row].cells;
  if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(column + 1);
  cells[column] = text;
  return true;
}

std::string InMemoryRowStore::GetCell(int row, int column, std::size_t buffer_size) const {
  if (!IsRow(row) || column < 0 || buffer_size == 0) return {};
  if (column > 0 && column >= ColumnCount()) return {};
  const auto& cells = rows_[row].cells;
  if (static_cast<std::size_t>(column) >= cells.size()) return {};
  const std::string& text = cells[column];
  return text.substr(0, std::min(text.size(), buffer_size - 1));
}

unsigned InMemoryRowStore::GetRowState(int row, unsigned mask) const {
  return IsRow(row) ? rows_[row].state & mask : 0;
}

void InMemoryRowStore::SetRowState(int row, unsigned state, unsigned mask) {
  auto apply = [&](Row& r) { r.state = (r.state & ~mask) | (state & mask); };
  if (row == kNoRow) {
    std::for_each(rows_.begin(), rows_.end(), apply);  // like LVM_SETITEMSTATE with -1
  } else if (IsRow(row)) {
    apply(rows_[row]);
  }
}

int InMemoryRowStore::FindRowByTag(std::int32_t tag) const {
  for (int row = 0; row < RowCount(); ++row) {
    if (rows_[row].tag == tag) return row;
  }
  return kNoRow;
}

bool InMemoryRowStore::DeleteRow(int row) {
  if (!IsRow(row)) return false;
  rows_.erase(rows_.begin() + row);
  return true;
}

bool InMemoryRowStore::DeleteAllRows() {
  rows_.clear();
  return true;
}

bool InMemoryRowStore::SortRows(const RowComparison& compare) {
  if (refused_sorts_ > 0) {
    --refused_sorts_;
    return false;
  }
  std::stable_sort(rows_.begin(), rows_.end(),
                   [&](const Row& a, const Row& b) { return compare(a.tag, b.tag) < 0; });
  return true;
}

bool InMemoryRowStore::InsertColumn(int index, std::string_view title, int width) {
  if (index < 0) return false;
  const int at = std::min(index, ColumnCount());
  columns_.insert(columns_.begin() + at, Column{std::string(title), width});
  // Cells after the new column move one to the right, as in the list view (column 0 stays).
  if (at > 0) {
    for (Row& row : rows_) {
      if (row.cells.size() > static_cast<std::size_t>(at))
        row.cells.insert(row.cells.begin() + at, "");
    }
  }
  return true;
}

bool InMemoryRowStore::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) return false;
  columns_.erase(columns_.begin() + index);
  for (Row& row : rows_) {
    if (row.cells.size() > static_cast<std::size_t>(index))
      row.cells.erase(row.cells.begin() + index);
  }
  return true;
}

int InMemoryRowStore::ColumnWidth(int index) const {
  return (index >= 0 && index < ColumnCount()) ? columns_[index].width : 0;
}

RowPoint InMemoryRowStore::RowOrigin(int row) const {
  return RowPoint{0, row * kRowHeight};
}

}  // namespace drawlot
