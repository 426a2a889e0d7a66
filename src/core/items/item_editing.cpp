#include "core/items/item_editing.h"

#include <utility>

#include "core/text/cp932.h"
#include "core/text/decimal.h"
#include "core/text/file_io.h"

namespace drawlot {
namespace {

struct ItemListColumn {
  std::string_view header;
  int width;
};

constexpr std::array<ItemListColumn, kItemListColumnCount> kItemListColumns = {{
    {"有", 30},
    {"項目文字", 80},
    {"出力", 60},
    {"表示", 70},
    {"編集", 70},
    {"幅", 30},
    {"ｾﾚｸﾄ1", 60},
    {"ｾﾚｸﾄ2", 60},
    {"ｾﾚｸﾄ3", 60},
    {"ｾﾚｸﾄ4", 60},
    {"ｾﾚｸﾄ5", 60},
    {"初期値", 60},
    {"ｺﾏﾝﾄﾞ", 60},
}};

// The width is read from at most the first 15 bytes of its text, as a 16-byte buffer held it.
constexpr std::size_t kWidthTextBytes = 15;

std::array<std::string, kItemListColumnCount> ItemRowCells(const ScriptItem& item) {
  std::array<std::string, kItemListColumnCount> cells;
  cells[0] = item.present != 0 ? "ON" : "OFF";
  cells[1] = item.title.str();
  cells[2] = OutputModeLabel(item.output_mode);
  cells[3] = DisplayModeLabel(item.display_mode);
  cells[4] = EditModeLabel(item.edit_mode);
  cells[5] = FormatDecimal(item.width);
  for (int i = 0; i < kSelectCount; ++i) cells[6 + i] = item.select[i].str();
  cells[11] = item.initial_value.str();
  cells[12] = item.command.str();
  return cells;
}

}  // namespace

ScriptItem ItemFromFields(const ItemFields& fields) {
  ScriptItem item;
  item.present = fields.present ? 1 : 0;
  item.title = fields.title;
  item.output_mode = ModeFromLabel(fields.output_mode);
  item.display_mode = ModeFromLabel(fields.display_mode);
  item.edit_mode = ModeFromLabel(fields.edit_mode);
  const std::string_view width = fields.width;
  item.width = ParseDecimal(width.substr(0, kWidthTextBytes));
  for (int i = 0; i < kSelectCount; ++i) item.select[i] = fields.select[i];
  item.initial_value = fields.initial_value;
  item.command = fields.command;
  return item;
}

ItemFields FieldsFromItem(const ScriptItem& item) {
  ItemFields fields;
  fields.present = item.present != 0;
  fields.title = item.title.str();
  fields.output_mode = OutputModeLabel(item.output_mode);
  fields.display_mode = DisplayModeLabel(item.display_mode);
  fields.edit_mode = EditModeLabel(item.edit_mode);
  fields.width = FormatDecimal(item.width);
  for (int i = 0; i < kSelectCount; ++i) fields.select[i] = item.select[i].str();
  fields.initial_value = item.initial_value.str();
  fields.command = item.command.str();
  return fields;
}

void CreateItemListColumns(RowStore& list) {
  for (int i = 0; i < kItemListColumnCount; ++i) {
    list.InsertColumn(i, kItemListColumns[i].header, kItemListColumns[i].width);
  }
}

void InsertItemRow(RowStore& list, const ItemSlots& slots, int slot) {
  const auto cells = ItemRowCells(slots[slot]);
  const int row = list.InsertRow(slot, cells[0], 0, slot);
  if (row == kNoRow) return;  // the further cells would land in another row
  for (int column = 1; column < kItemListColumnCount; ++column) {
    list.SetCell(row, column, cells[column]);
  }
}

void FillItemList(RowStore& list, const ItemSlots& slots) {
  list.DeleteAllRows();
  for (int slot = 0, count = ItemCount(slots); slot < count; ++slot) {
    InsertItemRow(list, slots, slot);
  }
}

int NewItemSlot(int count) {
  return (count >= 0 && count < kItemSlotCount) ? count : kNoRow;
}

void RemoveItem(ItemSlots& slots, int slot, int count) {
  if (slot < 0 || count > kItemSlotCount || slot >= count) return;
  for (int i = slot; i + 1 < count; ++i) slots[i] = slots[i + 1];
  slots[count - 1] = ScriptItem{};
}

int SwapTarget(int slot, int count, ItemMove move) {
  if (move == ItemMove::kUp) return slot > 0 ? slot - 1 : slot;
  return slot + 1 < count ? slot + 1 : slot;
}

int PreviousSetIndex(int index) {
  return index > 0 ? index - 1 : kSetCount - 1;
}

int NextSetIndex(int index) {
  return index < kSetCount - 1 ? index + 1 : 0;
}

SetHeader HeaderOfSet(const ScriptItemSet& set) {
  return SetHeader{set.present != 0, set.title.str()};
}

void StoreSetHeader(ScriptItemSet& set, const SetHeader& header) {
  set.present = header.present ? 1 : 0;
  set.title = header.title;
}

std::string SetNumberText(int index) {
  return "No" + FormatDecimal(index);
}

std::string_view TitleFromPartialScriptPath(std::string_view path) {
  std::size_t backslash = std::string_view::npos;
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i]) && i + 1 < path.size()) {
      ++i;  // a trail byte may be 0x5C without being a separator
    } else if (i > 0 && (path[i] == '\\' || path[i] == kPathSeparator)) {
      backslash = i;
    } else if (i > 0 && path[i] == '.') {
      dot = i;
    }
  }
  const std::size_t start = backslash == std::string_view::npos ? 0 : backslash + 1;
  const std::size_t end = (dot == std::string_view::npos || dot < start) ? path.size() : dot;
  return path.substr(start, end - start);
}

}  // namespace drawlot
