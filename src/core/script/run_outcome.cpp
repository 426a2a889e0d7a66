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
    case RunResult::kNotDrawing:
      return "図面でない";
    case RunResult::kNoPrinter:
      return "プリンタなし";
    case RunResult::kNoPaper:
      return "用紙なし";
  }
  return {};
}

}  // namespace drawlot
