#include "core/items/item_set_files.h"

#include "core/platform/settings_file.h"
#include "core/text/decimal.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {
namespace {

constexpr std::size_t kTitleFlagLineBytes = 15;
constexpr std::size_t kTitleLineBytes = 63;
constexpr std::size_t kItemFieldCount = 12;  // title to command

bool IsValidIndex(std::int32_t index, int count) {
  return index >= 0 && index < count;
}

}  // namespace

void ParseItemFields(ScriptItem& item, std::string_view fields_after_index) {
  const auto f = SplitFields(fields_after_index, ';', kItemFieldCount);
  item = ScriptItem{};
  item.present = 1;
  item.title = f[0];
  item.output_mode = ParseDecimal(f[1]);
  item.display_mode = ParseDecimal(f[2]);
  item.edit_mode = ParseDecimal(f[3]);
  item.width = ParseDecimal(f[4]);
  for (int i = 0; i < kSelectCount; ++i) item.select[i] = f[5 + i];
  item.initial_value = f[10];
  item.command = f[11];
}

void AppendItemFields(std::string& line, const ScriptItem& item) {
  line.append(item.title.view()).push_back(';');
  for (std::int32_t n : {item.output_mode, item.display_mode, item.edit_mode, item.width}) {
    line.append(FormatDecimal(n)).push_back(';');
  }
  for (const auto& select : item.select) line.append(select.view()).push_back(';');
  line.append(item.initial_value.view()).push_back(';');
  line.append(item.command.view());
}

void ParseSetTitles(ScriptItemTable& table, std::string_view bytes) {
  for (ScriptItemSet& set : table.sets) {
    set.present = 0;
    set.title.Clear();
  }
  LineReader reader(bytes);
  std::string line;
  for (ScriptItemSet& set : table.sets) {
    reader.ReadLine(kTitleFlagLineBytes, line);
    if (UpToNul(line).empty()) break;
    set.present = ParseDecimal(UpToNul(line));
    reader.ReadLine(kTitleLineBytes, line);
    set.title = line;
  }
}

void ParseItemSets(ScriptItemTable& table, std::string_view bytes) {
  for (ScriptItemSet& set : table.sets) ClearSlots(set.items);
  LineReader reader(bytes);
  std::string line;
  while (reader.ReadLine(kItemLineBytes, line) && !UpToNul(line).empty()) {
    const auto f = SplitFields(UpToNul(line), ';', 3);
    const std::int32_t set = ParseDecimal(f[0]);
    if (!IsValidIndex(set, kSetCount)) break;
    const std::int32_t slot = ParseDecimal(f[1]);
    if (!IsValidIndex(slot, kItemSlotCount)) break;
    ParseItemFields(table.sets[set].items[slot], f[2]);
  }
}

std::string SerializeSetTitles(const ScriptItemTable& table) {
  std::string out;
  for (int i = 0, n = PresentSetCount(table); i < n; ++i) {
    AppendLine(out, FormatDecimal(table.sets[i].present));
    AppendLine(out, table.sets[i].title.view());
  }
  return out;
}

std::string SerializeItemSets(const ScriptItemTable& table) {
  std::string out;
  std::string line;
  for (int set = 0, sets = PresentSetCount(table); set < sets; ++set) {
    const ItemSlots& slots = table.sets[set].items;
    for (int slot = 0, n = ItemCount(slots); slot < n; ++slot) {
      line = FormatDecimal(set) + ';' + FormatDecimal(slot) + ';';
      AppendItemFields(line, slots[slot]);
      AppendLine(out, line);
    }
  }
  return out;
}

int LoadSetTitles(ScriptItemTable& table, std::string_view folder) {
  std::string bytes;
  const int result = ReadSettingsFile(folder, kSetTitleFileName, bytes);
  ParseSetTitles(table, bytes);
  return result;
}

int LoadItemSets(ScriptItemTable& table, std::string_view folder) {
  std::string bytes;
  const int result = ReadSettingsFile(folder, kItemSetFileName, bytes);
  ParseItemSets(table, bytes);
  return result;
}

void SaveSetTitles(const ScriptItemTable& table, std::string_view folder, Prompter& prompter) {
  SaveSettingsFile(folder, kSetTitleFileName, SerializeSetTitles(table), prompter);
}

void SaveItemSets(const ScriptItemTable& table, std::string_view folder, Prompter& prompter) {
  SaveSettingsFile(folder, kItemSetFileName, SerializeItemSets(table), prompter);
}

}  // namespace drawlot
