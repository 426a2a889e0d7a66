// Sorting the drawing list by a column header click. Each click flips the column's direction;
// the rows are then ordered on a snapshot of that column taken once before the sort.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr int kSortNever = 0;
inline constexpr int kSortAscending = 1;
inline constexpr int kSortDescending = 2;

// The fourth column compares as numbers; every other column as text.
inline constexpr int kNumericSortColumn = 3;

// One direction per column the list can have. The first column starts ascending, so its
// first click sorts descending; every other column starts never sorted and sorts ascending.
class SortDirections {
 public:
  SortDirections() { directions_[0] = kSortAscending; }

  int Of(int column) const { return IsColumn(column) ? directions_[column] : kSortNever; }
  // Ascending becomes descending; anything else becomes ascending.
  void Flip(int column);
  static bool IsColumn(int column) { return column >= 0 && column < kItemSlotCount; }

 private:
  std::array<int, kItemSlotCount> directions_{};
};

// The clicked column of every row, keyed by row tag and ready to compare. When two rows share
// a tag, the upper one's text stands for both, as a search from the top would find it.
class ColumnSortKeys {
 public:
  ColumnSortKeys(const RowStore& store, int column);

  // Ascending order of the rows that carry the two tags: negative, zero or positive.
  int CompareAscending(std::int32_t first_tag, std::int32_t second_tag) const;

 private:
  struct Key {
    std::int32_t number = 0;
    std::string folded;  // ASCII letters in upper case
  };
  const Key& KeyOf(std::int32_t tag) const;

  bool numeric_;
  std::unordered_map<std::int32_t, Key> keys_;
};

// Text comparison of the sort: ASCII letters without regard to case, other bytes by their
// unsigned value; a text that ends first sorts first.
int CompareSortTexts(std::string_view first, std::string_view second);

// The comparison the store calls while sorting: ascending for direction 1, reversed for any
// other direction.
int CompareRows(const ColumnSortKeys& keys, std::int32_t first_tag, std::int32_t second_tag,
                int direction);

// A click on the header of `column`: flips its direction and sorts all rows. When the store
// refuses, says "ソート失敗" and the rows stay as they were.
void SortOnHeaderClick(RowStore& store, SortDirections& directions, int column, Prompter& prompter,
                       WindowRef owner);

}  // namespace drawlot
