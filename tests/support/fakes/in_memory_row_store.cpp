#include "support/fakes/in_memory_row_store.h"

#include <algorithm>
#include <cstring>

namespace drawlot {
namespace {

// memcpy for the short texts of cells: a copy of 4 to 16 bytes is two overlapping fixed-size
// moves, which the compiler emits inline, instead of a call for every cell read.
void CopyBytes(char* to, const char* from, std::size_t size) {
  if (size >= 8 && size <= 16) {
    std::memcpy(to, from, 8);
    std::memcpy(to + size - 8, from + size - 8, 8);
  } else if (size >= 4 && size < 8) {
    std::memcpy(to, from, 4);
    std::memcpy(to + size - 4, from + size - 4, 4);
  } else if (size > 16) {
    std::memcpy(to, from, size);
  } else {
    for (std::size_t i = 0; i < size; ++i) to[i] = from[i];
  }
}

}  // namespace

std::uint32_t InMemoryRowStore::Cells::End(std::size_t column) const {
  std::uint32_t end;
  std::memcpy(&end, block_.data() + column * sizeof end, sizeof end);
  return end;
}

std::string_view InMemoryRowStore::Cells::Get(std::size_t column) const {
  const std::uint32_t begin = column == 0 ? 0 : End(column - 1);
  return std::string_view(block_).substr(count_ * sizeof(std::uint32_t) + begin,
                                         End(column) - begin);
}

InMemoryRowStore::Cells::Ends InMemoryRowStore::Cells::UnpackEnds() const {
  Ends ends(count_);
  for (std::size_t i = 0; i < count_; ++i) ends[i] = End(i);
  return ends;
}

std::string InMemoryRowStore::Cells::UnpackTexts() const {
  return block_.substr(count_ * sizeof(std::uint32_t));
}

void InMemoryRowStore::Cells::Pack(const Ends& ends, std::string_view texts) {
  count_ = static_cast<std::uint32_t>(ends.size());
  block_.assign(reinterpret_cast<const char*>(ends.data()), ends.size() * sizeof(std::uint32_t));
  block_.append(texts);
}

void InMemoryRowStore::Cells::SetEnd(std::size_t column, std::uint32_t end) {
  std::memcpy(block_.data() + column * sizeof end, &end, sizeof end);
}

void InMemoryRowStore::Cells::Set(std::size_t column, std::string_view text) {
  if (column >= count_) {
    // New empty cells up to `column`: their ends go after the others, all at the texts' end.
    const auto texts_end =
        static_cast<std::uint32_t>(block_.size() - count_ * sizeof(std::uint32_t));
    const std::size_t added = column + 1 - count_;
    block_.insert(count_ * sizeof(std::uint32_t), added * sizeof(std::uint32_t), '\0');
    count_ = static_cast<std::uint32_t>(column + 1);
    for (std::size_t i = count_ - added; i < count_; ++i) SetEnd(i, texts_end);
  }
  const std::uint32_t begin = column == 0 ? 0 : End(column - 1);
  const std::uint32_t old_end = End(column);
  block_.replace(count_ * sizeof(std::uint32_t) + begin, old_end - begin, text);
  for (std::size_t i = column; i < count_; ++i) {
    SetEnd(i, static_cast<std::uint32_t>(End(i) - old_end + begin + text.size()));
  }
}

void InMemoryRowStore::Cells::InsertEmpty(std::size_t column) {
  Ends ends = UnpackEnds();
  const std::uint32_t at = column == 0 ? 0 : ends[column - 1];
  ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(column), at);
  Pack(ends, UnpackTexts());
}

void InMemoryRowStore::Cells::Erase(std::size_t column) {
  Ends ends = UnpackEnds();
  std::string texts = UnpackTexts();
  const std::uint32_t begin = column == 0 ? 0 : ends[column - 1];
  const std::uint32_t size = ends[column] - begin;
  texts.erase(begin, size);
  ends.erase(ends.begin() + static_cast<std::ptrdiff_t>(column));
  for (std::size_t i = column; i < ends.size(); ++i) ends[i] -= size;
  Pack(ends, texts);
}

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
  row.cells.Set(0, first_cell);
  row.icon = icon;
  row.tag = tag;
  rows_.insert(rows_.begin() + at, std::move(row));
  return at;
}

bool InMemoryRowStore::SetCell(int row, int column, std::string_view text) {
  if (!IsRow(row) || column < 0 || (column > 0 && column >= ColumnCount())) return false;
  rows_[row].cells.Set(static_cast<std::size_t>(column), text);
  return true;
}

std::string_view InMemoryRowStore::CellText(int row, int column, std::size_t buffer_size) const {
  if (!IsRow(row) || column < 0 || buffer_size == 0) return {};
  // No row holds more cells than there are columns (beyond the first cell, which a row has even
  // without columns): SetCell refuses other columns and DeleteColumn takes the cell with it.
  const Cells& cells = rows_[row].cells;
  if (static_cast<std::size_t>(column) >= cells.Count()) return {};
  return cells.Get(static_cast<std::size_t>(column)).substr(0, buffer_size - 1);
}

std::string InMemoryRowStore::GetCell(int row, int column, std::size_t buffer_size) const {
  return std::string(CellText(row, column, buffer_size));
}

std::size_t InMemoryRowStore::CopyCell(int row, int column, char* buffer,
                                       std::size_t buffer_size) const {
  if (buffer_size == 0) return 0;  // no room even for the NUL
  const std::string_view text = CellText(row, column, buffer_size);
  CopyBytes(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return text.size();
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
      if (row.cells.Count() > static_cast<std::size_t>(at)) row.cells.InsertEmpty(at);
    }
  }
  return true;
}

bool InMemoryRowStore::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) return false;
  columns_.erase(columns_.begin() + index);
  for (Row& row : rows_) {
    if (row.cells.Count() > static_cast<std::size_t>(index)) row.cells.Erase(index);
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
