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
};

// 完了, 異常終了, 時間切れ, 中止, 起動失敗, 図面なし, 未実行, 行削除.
std::string_view ResultText(RunResult result);

}  // namespace drawlot
