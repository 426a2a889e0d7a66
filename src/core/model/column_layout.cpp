#include "core/model/column_layout.h"

namespace drawlot {

ColumnLayout::ColumnLayout(const ItemSlots& slots, int walked_slots, bool skip_absent)
    : walked_slots_(walked_slots) {
  int counter = -1;
  for (int slot = 0; slot < walked_slots; ++slot) {
    const ScriptItem& item = slots[slot];
    if (item.display_mode != 0 && !(skip_absent && item.present == 0)) {
      ++counter;
      columns_[column_count_++] = ItemColumn{slot, counter};
    }
    counter_at_slot_[slot] = static_cast<std::int8_t>(counter);
  }
}

ColumnLayout ColumnLayout::ItemWalk(const ItemSlots& slots) {
  return ColumnLayout(slots, ItemCount(slots), false);
}

ColumnLayout ColumnLayout::ColumnBuilderWalk(const ItemSlots& slots) {
  return ColumnLayout(slots, kItemSlotCount, true);
}

std::optional<int> ColumnLayout::SlotOf(int column) const {
  if (column < 0 || column >= column_count()) return std::nullopt;
  return columns_[column].slot;
}

std::optional<int> ColumnLayout::ColumnOf(int slot) const {
  const int column = ColumnCounterAt(slot);
  if (column < 0 || columns_[column].slot != slot) return std::nullopt;
  return column;
}

int ColumnLayout::ColumnCounterAt(int slot) const {
  return (slot < 0 || slot >= walked_slots_) ? -1 : counter_at_slot_[slot];
}

}  // namespace drawlot
