#include "core/list/list_sort.h"

#include "core/list/list_rows.h"
#include "core/text/cp932.h"
#include "core/text/decimal.h"

namespace drawlot {
namespace {

int Sign(int value) {
  return (value > 0) - (value < 0);
}

}  // namespace

void SortDirections::Flip(int column) {
  if (!IsColumn(column)) return;
  directions_[column] = (directions_[column] == kSortAscending) ? kSortDescending : kSortAscending;
}

ColumnSortKeys::ColumnSortKeys(const RowStore& store, int column)
    : numeric_(column == kNumericSortColumn) {
  const int rows = store.RowCount();
  keys_.reserve(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    const std::string text = ReadCellText(store, row, column);
    Key key;
    if (numeric_) {
      key.number = ParseDecimal(text);
    } else {
      key.folded = FoldAsciiLetters(text);
    }
    keys_.try_emplace(store.TagOf(row), std::move(key));
  }
}

const ColumnSortKeys::Key& ColumnSortKeys::KeyOf(std::int32_t tag) const {
  static const Key kMissing;
  const auto found = keys_.find(tag);
  return found == keys_.end() ? kMissing : found->second;
}

int ColumnSortKeys::CompareAscending(std::int32_t first_tag, std::int32_t second_tag) const {
  const Key& first = KeyOf(first_tag);
  const Key& second = KeyOf(second_tag);
  if (numeric_) return (first.number > second.number) - (first.number < second.number);
  return Sign(std::string_view(first.folded).compare(second.folded));
}

int CompareSortTexts(std::string_view first, std::string_view second) {
  return Sign(std::string_view(FoldAsciiLetters(first)).compare(FoldAsciiLetters(second)));
}

int CompareRows(const ColumnSortKeys& keys, std::int32_t first_tag, std::int32_t second_tag,
                int direction) {
  const int ascending = keys.CompareAscending(first_tag, second_tag);
  return direction == kSortAscending ? ascending : -ascending;
}

void SortOnHeaderClick(RowStore& store, SortDirections& directions, int column, Prompter& prompter,
                       WindowRef owner) {
  if (!SortDirections::IsColumn(column)) return;
  directions.Flip(column);
  const int direction = directions.Of(column);
  const ColumnSortKeys keys(store, column);
  const bool sorted = store.SortRows([&](std::int32_t first_tag, std::int32_t second_tag) {
    return CompareRows(keys, first_tag, second_tag, direction);
  });
  if (!sorted) prompter.Tell(owner, "ソート失敗", "Error", Icon::kNone);
}

}  // namespace drawlot
