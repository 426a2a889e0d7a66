// The system clock's local time now.
#pragma once

#include <windows.h>

#include "core/platform/local_time.h"

namespace drawlot {

inline LocalTime LocalTimeNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace drawlot
