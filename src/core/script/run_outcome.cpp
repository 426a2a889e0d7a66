#include "core/script/run_outcome.h"

namespace drawlot {

std::string_view ResultText(RunResult result) {
  switch (result) {
    case RunResult::kDone:
      return "完了";
    case RunResult::kExitCode:
      return "異常終了";
    case RunResult::kTimedOut:
      return "時間切れ";
    case RunResult::kStopped:
      return "中止";
    case RunResult::kNotStarted:
      return "起動失敗";
    case RunResult::kMissing:
      return "図面なし";
    case RunResult::kNotRun:
      return "未実行";
    case RunResult::kRowDeleted:
      return "行削除";
  }
  return {};
}

}  // namespace drawlot
