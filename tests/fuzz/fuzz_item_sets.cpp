#include <cstdint>
#include <string>

#include "core/items/item_set_files.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScriptItemTable table;
  ClearTable(table);
  // Every set present and titled, so the writer covers whatever items were read.
  for (ScriptItemSet& set : table.sets) set.present = 1;
  ParseItemSets(table, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = SerializeItemSets(table);
  ParseItemSets(table, written);
  fuzz::Require(SerializeItemSets(table) == written, "item sets read back as written");
  return 0;
}
