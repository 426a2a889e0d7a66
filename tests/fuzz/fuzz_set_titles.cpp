#include <cstdint>
#include <string>

#include "core/items/item_set_files.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScriptItemTable table;
  ClearTable(table);
  ParseSetTitles(table, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = SerializeSetTitles(table);
  ParseSetTitles(table, written);
  fuzz::Require(SerializeSetTitles(table) == written, "set titles read back as written");
  return 0;
}
