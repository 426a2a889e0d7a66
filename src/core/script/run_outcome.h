// How one AutoCAD process of a run ended, and what the run makes of it: the result a user
// reads in the run record and whether the drawing stays selected for another try.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drawlot {

// What the launcher saw of one process.
enum class ProcessEndKind {
  kNotStarted,   // it could not be created
  kExited,       // it ended by itself, with `exit_code`
  kTimedOut,     // it ran past the time limit and was ended
  kEndedByUser,  // the user had it ended from the progress window
};

struct ProcessEnd {
  ProcessEndKind kind = ProcessEndKind::kNotStarted;
  std::uint32_t exit_code = 0;

  friend bool operator==(const ProcessEnd&, const ProcessEnd&) = default;
};

// The result of one drawing (or of one single-script run) as the record writes it.
enum class RunResult { kDone, kExitCode, kTimedOut, kStopped, kNotStarted, kMissing };

RunResult ResultOf(const ProcessEnd& end);
// 完了, 異常終了, 時間切れ, 中止, 起動失敗, 図面なし.
std::string_view ResultText(RunResult result);
// The exit code in decimal; empty when the process was not started or was ended by us.
std::string ExitCodeField(const ProcessEnd& end);

}  // namespace drawlot
