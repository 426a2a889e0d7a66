// The displayed items of a set: the items of the item walk whose display mode is nonzero, each
// with its list column. Row filling, moving, copying and pasting all follow this layout.
#pragma once

#include "core/model/script_item.h"

namespace drawlot {

// Calls visit(item, column) for every displayed item of the item walk, in column order.
template <typename Visit>
void ForEachDisplayedItem(const ItemSlots& slots, Visit&& visit) {
  int column = 0;
  for (int slot = 0, count = ItemCount(slots); slot < count; ++slot) {
    if (slots[slot].display_mode == 0) continue;
    visit(slots[slot], column);
    ++column;
  }
}

}  // namespace drawlot
