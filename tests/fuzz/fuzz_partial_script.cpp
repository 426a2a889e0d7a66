#include <cstdint>
#include <string>

#include "core/items/item_set_files.h"
#include "core/items/partial_script_file.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ItemSlots slots;
  ParsePartialScript(slots, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = SerializePartialScript(slots);
  ParsePartialScript(slots, written);
  fuzz::Require(SerializePartialScript(slots) == written, "partial script read back as written");
  return 0;
}
