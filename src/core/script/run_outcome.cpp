#include "core/script/run_outcome.h"

namespace drawlot {

RunResult ResultOf(const ProcessEnd& end) {
  switch (end.kind) {
    case ProcessEndKind::kNotStarted:
      return RunResult::kNotStarted;
    case ProcessEndKind::kTimedOut:
      return RunResult::kTimedOut;
    case ProcessEndKind::kEndedByUser:
      return RunResult::kStopped;
    case ProcessEndKind::kExited:
      break;
  }
  return end.exit_code == 0 ? RunResult::kDone : RunResult::kExitCode;
}

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

std::string ExitCodeField(const ProcessEnd& end) {
  // A code we gave TerminateProcess ourselves tells nothing about the drawing.
  if (end.kind != ProcessEndKind::kExited) return {};
  return std::to_string(end.exit_code);
}

}  // namespace drawlot
