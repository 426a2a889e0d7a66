// Shared checks of the fuzz targets.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace drawlot::fuzz {

// Stops the run with a report when a property does not hold.
inline void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
  }
}

// True when every line of `bytes` holds at most `limit` bytes before its CR LF, so that the
// file reads back line for line.
inline bool LinesFit(std::string_view bytes, std::size_t limit) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    if (end - start > limit) return false;
    start = end + 2;
  }
  return true;
}

}  // namespace drawlot::fuzz
