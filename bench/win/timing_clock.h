// The clock of the timing drivers: milliseconds from the performance counter.
#pragma once

#include <windows.h>

namespace drawlot::timing {

inline double Now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER count{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace drawlot::timing
