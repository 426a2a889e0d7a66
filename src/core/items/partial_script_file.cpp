#include "core/items/partial_script_file.h"

#include "core/items/item_set_files.h"
#include "core/text/decimal.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {

std::string SerializePartialScript(const ItemSlots& slots) {
  std::string out;
  std::string line;
  for (int slot = 0; slot < kItemSlotCount; ++slot) {
    if (slots[slot].present == 0) continue;
    line = FormatDecimal(slot) + ';';
    AppendItemFields(line, slots[slot]);
    AppendLine(out, line);
  }
  return out;
}

void ParsePartialScript(ItemSlots& slots, std::string_view bytes) {
  ClearSlots(slots);
  LineReader reader(bytes);
  std::string line;
  while (reader.ReadLine(kItemLineBytes, line) && !UpToNul(line).empty()) {
    const auto f = SplitFields(UpToNul(line), ';', 2);
    const std::int32_t slot = ParseDecimal(f[0]);
    if (slot < 0 || slot >= kItemSlotCount) break;
    ParseItemFields(slots[slot], f[1]);
  }
}

bool LoadPartialScriptFile(ItemSlots& slots, const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  ParsePartialScript(slots, bytes.value_or(std::string()));
  return bytes.has_value();
}

bool SavePartialScriptFile(const ItemSlots& slots, const std::string& path) {
  return SaveFileReplacing(path, SerializePartialScript(slots));
}

}  // namespace drawlot
