#include "core/items/partial_script_file.h"

#include "core/items/item_set_files.h"
#include "core/text/cp932.h"
#include "core/text/decimal.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {

namespace {

// Asks for a file for set `set_index`, keeps the chosen path in the table, and reads or writes
// the set's items there with `act`.
template <typename Act>
PartialScriptResult WithChosenFile(WindowRef owner, FileDialogKind kind, ScriptItemTable& table,
                                   int set_index, std::string_view startup_folder,
                                   FileNamePicker& picker, Act act) {
  ScriptItemSet& set = table.sets[set_index];
  const auto chosen =
      picker.PickFileName(PartialScriptDialog(owner, kind, startup_folder, set.title.view()));
  if (!chosen) return PartialScriptResult::kCancelled;
  table.last_partial_script_path = *chosen;
  return act(set.items, *chosen) ? PartialScriptResult::kDone : PartialScriptResult::kFileError;
}

}  // namespace

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
  if (!bytes) return false;
  ParsePartialScript(slots, *bytes);
  return true;
}

bool SavePartialScriptFile(const ItemSlots& slots, const std::string& path) {
  return SaveFileReplacing(path, SerializePartialScript(slots));
}

FileDialogRequest PartialScriptDialog(WindowRef owner, FileDialogKind kind,
                                      std::string_view startup_folder, std::string_view set_title) {
  FileDialogRequest request;
  request.owner = owner;
  request.kind = kind;
  request.filters = {FileFilter{"DatFile(*.dat)", "*.dat"}};
  if (kind == FileDialogKind::kOpen) {
    request.title = "部分スクリプトのDatファイル読込";
    request.initial_name = JoinWithBackslash(startup_folder, "*.dat");
  } else {
    request.title = "部分スクリプトのDatファイル保存";
    request.initial_name = JoinWithBackslash(startup_folder, std::string(set_title) + ".dat");
  }
  return request;
}

PartialScriptResult LoadPartialScript(WindowRef owner, ScriptItemTable& table, int set_index,
                                      std::string_view startup_folder, FileNamePicker& picker) {
  return WithChosenFile(
      owner, FileDialogKind::kOpen, table, set_index, startup_folder, picker,
      [](ItemSlots& slots, const std::string& path) { return LoadPartialScriptFile(slots, path); });
}

PartialScriptResult SavePartialScript(WindowRef owner, ScriptItemTable& table, int set_index,
                                      std::string_view startup_folder, FileNamePicker& picker) {
  return WithChosenFile(owner, FileDialogKind::kSave, table, set_index, startup_folder, picker,
                        [](const ItemSlots& slots, const std::string& path) {
                          return SavePartialScriptFile(slots, path);
                        });
}

}  // namespace drawlot
