// Which list column shows which item of a set. The columns are the items with a nonzero display
// mode, numbered 0, 1, 2 ... in slot order; two walks over the slots give them:
// - the item walk, slots 0 up to the first absent one: the row filler, the row moves, row copy
//   and paste, the edits, the edit dialog, the script writers and the run record;
// - the column builder's walk, every present slot 0 to 49 (an absent slot is skipped, not
//   ended at): the list's columns themselves and the in-place cell editor.
// The two differ only for a set with a gap: the columns after it exist in the list but no item
// of the item walk fills them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "core/model/script_item.h"

namespace drawlot {

// One displayed item and the list column that shows it.
struct ItemColumn {
  int slot = 0;
  int column = 0;
};

class ColumnLayout {
 public:
  // Slots 0 up to the first absent one.
  static ColumnLayout ItemWalk(const ItemSlots& slots);
  // Every present slot from 0 to 49.
  static ColumnLayout ColumnBuilderWalk(const ItemSlots& slots);

  // The displayed items in column order.
  std::span<const ItemColumn> columns() const { return {columns_.data(), column_count_}; }
  int column_count() const { return static_cast<int>(column_count_); }
  // The slots walked: the item walk's length, or 50.
  int walked_slots() const { return walked_slots_; }

  // The slot shown in `column`, or nullopt when the walk gives no such column.
  std::optional<int> SlotOf(int column) const;
  // The column of the item in `slot`, or nullopt when the slot is outside the walk, absent or
  // not displayed.
  std::optional<int> ColumnOf(int slot) const;
  // The column counter as the walk reaches `slot`: the column of the last displayed item at or
  // before it, -1 before any. A slot that is not displayed thus reads its predecessor's column.
  int ColumnCounterAt(int slot) const;

 private:
  ColumnLayout(const ItemSlots& slots, int walked_slots, bool skip_absent);

  std::array<ItemColumn, kItemSlotCount> columns_{};
  std::size_t column_count_ = 0;
  int walked_slots_ = 0;
  std::array<std::int8_t, kItemSlotCount> counter_at_slot_{};
};

// Calls visit(item, column) for every displayed item of the item walk, in column order.
template <typename Visit>
void ForEachDisplayedItem(const ItemSlots& slots, Visit&& visit) {
  const ColumnLayout layout = ColumnLayout::ItemWalk(slots);
  for (const ItemColumn& shown : layout.columns()) {
    visit(slots[shown.slot], shown.column);
  }
}

}  // namespace drawlot
