// How one AutoCAD process of a run ended, and what the run makes of it: the result a user
// reads in the run record and whether the drawing stays selected for another try.
#pragma once

#include <string>
#include <string_view>

namespace drawlot {

// The result of one drawing (or of one single-script run) as the record writes it.
enum class RunResult {
  kDone,
  kExitCode,
  kTimedOut,
  kStopped,
  kNotStarted,
  kMissing,
  kNotRun,      // the run ended (中止, a failed start) before the drawing's turn
  kRowDeleted,  // its row was deleted before its turn
  kNotDrawing,  // left out by the check before the run: the file is no DWG or DXF
  kNoPrinter,   // ... its printer is not in the spooler
  kNoPaper,     // ... its paper is not among its printer's
};
inline constexpr RunResult kRunResults[] = {
    RunResult::kDone,       RunResult::kExitCode,  RunResult::kTimedOut, RunResult::kStopped,
    RunResult::kNotStarted, RunResult::kMissing,   RunResult::kNotRun,   RunResult::kRowDeleted,
    RunResult::kNotDrawing, RunResult::kNoPrinter, RunResult::kNoPaper};

// 完了, 異常終了, 時間切れ, 中止, 起動失敗, 図面なし, 未実行, 行削除, 図面でない, プリンタなし,
// 用紙なし.
std::string_view ResultText(RunResult result);

}  // namespace drawlot
