#include <cstdint>
#include <string>

#include "core/env/environment_settings.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The same bytes as "atc_print.ini": the base folder stays within its limits.
  const std::string base = BaseFolderFromHint(bytes.substr(0, 512), "S");
  fuzz::Require(base.size() <= 256, "base folder of at most 256 bytes");

  static EnvironmentSettings settings;
  settings = EnvironmentSettings{};
  ApplyEnvironmentDefaults(settings, "C:\\Drawlot");
  ParseEnvironmentSettings(settings, bytes);
  const std::string written = SerializeEnvironmentSettings(settings);
  EnvironmentSettings read;
  ParseEnvironmentSettings(read, written);
  fuzz::Require(SerializeEnvironmentSettings(read) == written, "settings read back as written");
  return 0;
}
