// Partial scripts: one set's items in a ".dat" file of the user's choice, each line the
// item-set line without the set index.
#pragma once

#include <string>
#include <string_view>

#include "core/items/script_item.h"

namespace drawlot {

// Every present slot, in slot order; absent slots are skipped, not ended at, so a gap in the
// set comes back as the same gap.
std::string SerializePartialScript(const ItemSlots& slots);
// Clears all 50 slots, then reads lines until an empty line or a slot index outside 0..49.
void ParsePartialScript(ItemSlots& slots, std::string_view bytes);

// The file at `path`: reading returns false when it cannot be opened (the slots are then
// left empty); writing returns false when the file cannot be created or written, and leaves
// an existing file whole.
bool LoadPartialScriptFile(ItemSlots& slots, const std::string& path);
bool SavePartialScriptFile(const ItemSlots& slots, const std::string& path);

}  // namespace drawlot
