// What a run is given beside its rows: how it was asked for, its settings (time limit,
// missing-drawing check, record), its clock, and the drawings found missing before it starts.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/script/run_outcome.h"
#include "core/script/run_record.h"

namespace drawlot {

// How a run was asked for; the record's 方式.
enum class RunMode { kAllScript, kSelectedScript, kPerRowLoop, kPerRowTimed };
std::string_view RunModeText(RunMode mode);

// The run settings of "drawlot.ini" (core/workspace/program_settings.h).
struct RunSettings {
  int time_limit_seconds = 0;  // per drawing; 0 = none
  bool check_missing = true;
  bool record = true;
  // The blocking per-row run (毎行(１処理)) only: the drawings one AutoCAD start takes, and the
  // AutoCADs that run at once.
  int drawings_per_start = 1;
  int parallel = 1;

  friend bool operator==(const RunSettings&, const RunSettings&) = default;
};
inline constexpr int kMaxTimeLimitSeconds = 86400;
inline constexpr int kMaxDrawingsPerStart = 50;
inline constexpr int kMaxParallel = 8;

// The local time and a millisecond counter; the Win32 one reads the system's.
class RunClock {
 public:
  virtual ~RunClock() = default;
  virtual LocalTime Now() const = 0;
  virtual std::uint64_t Milliseconds() const = 0;
};

// The cells a record line names for a row.
struct DrawingFacts {
  std::string drawing;
  std::string printer;
  std::string paper;
};
DrawingFacts FactsOf(const RowStore& rows, const ItemSlots& items, int row);

}  // namespace drawlot
