// Editing the script item table: one item from the texts of the detail dialog's edit controls
// and back, the item list's rows, the slot operations behind its buttons and the set header.
// The dialog only moves texts between its controls and these functions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/row_store.h"
#include "core/model/script_item.h"

namespace drawlot {

// The texts of the edit controls of one item, as the user left them.
struct ItemFields {
  bool present = false;
  std::string title;
  std::string output_mode;  // the mode drop-downs' texts: a label or whatever was typed
  std::string display_mode;
  std::string edit_mode;
  std::string width;
  std::array<std::string, kSelectCount> select;
  std::string initial_value;
  std::string command;
};

// The item the texts give: each mode is the digit of its text's first character, the width the
// number the text starts with, every text cut to its field.
ScriptItem ItemFromFields(const ItemFields& fields);
// The texts that show an item in the edit controls: the mode labels (or "Error").
ItemFields FieldsFromItem(const ScriptItem& item);

// The item list: 13 columns, one row per item of the item walk, a row's index its slot.
inline constexpr int kItemListColumnCount = 13;
void CreateItemListColumns(RowStore& list);
// The row of `slot` inserted at the row index `slot`.
void InsertItemRow(RowStore& list, const ItemSlots& slots, int slot);
// All rows deleted, then one row per item of the item walk.
void FillItemList(RowStore& list, const ItemSlots& slots);

// Slot operations. `count` is the item list's row count, the number of items shown.
// The slot a new item goes to, or kNoRow when the list already shows 50 items.
int NewItemSlot(int count);
// Slots slot+1 .. count-1 move one slot up and slot count-1 is cleared.
void RemoveItem(ItemSlots& slots, int slot, int count);
// The slot an item at `slot` swaps with: one up or down, itself at either end.
enum class ItemMove { kUp, kDown };
int SwapTarget(int slot, int count, ItemMove move);
// The set shown after "≪" / "≫", wrapping from No0 to No19 and back.
int PreviousSetIndex(int index);
int NextSetIndex(int index);

// The set header: the set's own flag and title, and the number shown beside them.
struct SetHeader {
  bool present = false;
  std::string title;
};
SetHeader HeaderOfSet(const ScriptItemSet& set);
void StoreSetHeader(ScriptItemSet& set, const SetHeader& header);
std::string SetNumberText(int index);  // "No0" .. "No19"

// The title a set takes from the path of the partial script it was loaded from: the name after
// the last backslash and before the last dot. Neither counts as the trail byte of a double-byte
// character or at the first byte. A name without a dot runs to the end of the path. (The
// native build's paths, which end their folders in "/", count that separator too.)
std::string_view TitleFromPartialScriptPath(std::string_view path);

}  // namespace drawlot
