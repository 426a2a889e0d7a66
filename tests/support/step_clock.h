// A run's clock for tests: time passes only when the test moves `ms` on; the local time is
// 2026/12/07 09:00 plus the whole seconds of it.
#pragma once

#include <cstdint>

#include "core/script/run_session.h"

namespace drawlot::testing {

class StepClock : public RunClock {
 public:
  LocalTime Now() const override {
    return LocalTime{2026, 12, 7, 9, 0, static_cast<int>(ms / 1000)};
  }
  std::uint64_t Milliseconds() const override { return ms; }
  std::uint64_t ms = 0;
};

}  // namespace drawlot::testing
