#include "core/text/fields.h"

namespace drawlot {

std::vector<std::string_view> SplitFields(std::string_view line, char separator,
                                          std::size_t count) {
  std::vector<std::string_view> fields(count);
  std::size_t start = 0;
  for (std::size_t i = 0; i < count && start <= line.size(); ++i) {
    const std::size_t end = (i + 1 == count) ? std::string_view::npos : line.find(separator, start);
    if (end == std::string_view::npos) {
      fields[i] = line.substr(start);
      break;
    }
    fields[i] = line.substr(start, end - start);
    start = end + 1;
  }
  return fields;
}

}  // namespace drawlot
