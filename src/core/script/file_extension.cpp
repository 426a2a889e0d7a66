#include "core/script/file_extension.h"

#include "core/text/cp932.h"

namespace drawlot {

std::string ForceExtension(std::string_view path, std::string_view extension) {
  const std::size_t separator = FindLastBackslash(path);
  const std::size_t name_start = separator == std::string_view::npos ? 0 : separator + 1;
  // A period is never the trail byte of a double-byte character, so a plain search is safe.
  const std::size_t period = path.find('.', name_start);
  std::string forced(path.substr(0, period));
  forced.append(extension);
  return forced;
}

}  // namespace drawlot
