// Splitting a line of ";"-separated fields, as the item-set, partial-script and list files
// store them. Nothing is escaped in these formats.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace drawlot {

// The line as the C string it was always handled as: up to its first NUL byte.
inline std::string_view UpToNul(std::string_view line) {
  return line.substr(0, line.find('\0'));
}

// Splits `line` at the first `count - 1` separators into exactly `count` fields: the last field
// runs to the end of the line (separators and all), and fields the line does not reach are
// empty. The views point into `line`.
std::vector<std::string_view> SplitFields(std::string_view line, char separator, std::size_t count);

}  // namespace drawlot
