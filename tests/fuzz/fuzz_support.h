// Shared checks of the fuzz targets.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace drawlot::fuzz {

// Stops the run with a report when a property does not hold.
inline void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
  }
}

}  // namespace drawlot::fuzz
