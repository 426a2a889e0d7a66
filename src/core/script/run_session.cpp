#include "core/script/run_session.h"

#include <algorithm>

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"
#include "core/script/script_writer.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::size_t kListedMissingNames = 10;

// The column of the first displayed item with `mode`, or -1.
int ColumnOfEditMode(const ItemSlots& items, EditMode mode) {
  const ColumnLayout layout = ColumnLayout::ItemWalk(items);
  for (const ItemColumn& shown : layout.columns()) {
    if (items[shown.slot].edit_mode == static_cast<std::int32_t>(mode)) return shown.column;
  }
  return -1;
}

std::string CellOf(const RowStore& rows, int row, int column) {
  return column < 0 ? std::string() : rows.GetCell(row, column, kCellReadLimit + 1);
}

// The file name after the last separator of a path, by the lead-byte rule.
std::string_view NameOf(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(path[i]))) {
      ++i;
    } else if (path[i] == '\\') {
      start = i + 1;
    }
  }
  return path.substr(start);
}

}  // namespace

std::string_view RunModeText(RunMode mode) {
  switch (mode) {
    case RunMode::kAllScript:
      return "全スクリプト";
    case RunMode::kSelectedScript:
      return "選択スクリプト";
    case RunMode::kPerRowLoop:
      return "毎行(１処理)";
    case RunMode::kPerRowTimed:
      return "毎行(タイマ)";
  }
  return {};
}

DrawingFacts FactsOf(const RowStore& rows, const ItemSlots& items, int row) {
  return DrawingFacts{ScriptPlan(items).DrawingPath(rows, row),
                      CellOf(rows, row, ColumnOfEditMode(items, EditMode::kPrinter)),
                      CellOf(rows, row, ColumnOfEditMode(items, EditMode::kPaper))};
}

std::vector<int> MissingDrawings(const RowStore& rows, const ItemSlots& items,
                                 std::span<const int> candidates,
                                 const std::function<bool(const std::string&)>& exists) {
  const ScriptPlan plan(items);
  std::vector<int> missing;
  for (int row : candidates) {
    if (!exists(plan.DrawingPath(rows, row))) missing.push_back(row);
  }
  return missing;
}

bool ConfirmLeavingOut(Prompter& prompter, WindowRef owner, const RowStore& rows,
                       const ItemSlots& items, std::span<const int> missing) {
  const ScriptPlan plan(items);
  std::string text =
      "図面ファイルが見つかりません（" + std::to_string(missing.size()) + "件）。\r\n";
  for (std::size_t i = 0; i < missing.size() && i < kListedMissingNames; ++i) {
    text += "\r\n" + std::string(NameOf(plan.DrawingPath(rows, missing[i])));
  }
  if (missing.size() > kListedMissingNames) text += "\r\n…";
  text += "\r\n\r\n見つからない図面を除いて実行しますか？\r\n（いいえ：何も実行しません）";
  return prompter.Show(Message{owner, text, "図面なし", Buttons::kYesNo, Icon::kQuestion}) ==
         Answer::kYes;
}

RunSession::RunSession(RunMode mode, const RunSettings& settings, std::string record_folder,
                       RunClock& clock, RunProgress& progress)
    : mode_(mode),
      settings_(settings),
      record_folder_(std::move(record_folder)),
      clock_(clock),
      progress_(progress) {
  if (settings_.record) RotateRunRecord(record_folder_);
}

std::uint64_t RunSession::TimeLimitMilliseconds(int drawings) const {
  return static_cast<std::uint64_t>(settings_.time_limit_seconds) * 1000u *
         static_cast<std::uint64_t>(std::max(drawings, 1));
}

bool RunSession::IsLeftOut(int row) const {
  return std::find(left_out_.begin(), left_out_.end(), row) != left_out_.end();
}

void RunSession::Begin(int row, DrawingFacts facts, int drawings) {
  row_ = row;
  drawings_ = drawings;
  facts_ = std::move(facts);
  started_at_ = clock_.Now();
  started_ms_ = clock_.Milliseconds();
  ++met_;
  progress_.DrawingStarted(met_, total_, facts_.drawing, drawings);
}

void RunSession::End(const ProcessEnd& end) {
  const RunResult result = ResultOf(end);
  progress_.DrawingEnded();
  if (result != RunResult::kDone && row_ >= 0) not_well_.push_back(row_);
  Write(result, ExitCodeField(end));
}

void RunSession::Missing(int row, DrawingFacts facts) {
  row_ = row;
  facts_ = std::move(facts);
  started_at_ = clock_.Now();
  started_ms_ = clock_.Milliseconds();
  ++met_;
  not_well_.push_back(row);
  Write(RunResult::kMissing, {});
}

void RunSession::Write(RunResult result, const std::string& exit_code) {
  last_result_ = result;
  if (!settings_.record) return;
  const RunRecordLine line{
      started_at_,        clock_.Now(),   (clock_.Milliseconds() - started_ms_) / 1000u,
      RunModeText(mode_), facts_.drawing, facts_.printer,
      facts_.paper,       result,         exit_code};
  // A record that cannot be written is told once, after the run, and never stops it.
  if (!AppendRunRecord(record_folder_, line)) record_failed_ = true;
}

void SelectRowsThatDidNotEndWell(RowStore& rows, const RunSession& session, Prompter& prompter,
                                 WindowRef owner) {
  const std::vector<int>& not_well = session.NotWell();
  const int count = rows.RowCount();
  for (int row = 0; row < count; ++row) {
    const bool failed = std::find(not_well.begin(), not_well.end(), row) != not_well.end();
    if (failed) {
      MarkRow(rows, row);
    } else {
      UnmarkRow(rows, row);
    }
  }
  // A run that ended because AutoCAD could not be started has told so in its own box.
  if (not_well.empty() || session.LastResult() == RunResult::kNotStarted) return;
  const std::string text = std::to_string(session.total()) + "件中" +
                           std::to_string(not_well.size()) +
                           "件が正常に終了しませんでした。\r\nそれらの行を選択してあります。";
  prompter.Tell(owner, text, "実行結果", Icon::kWarning);
}

std::string RunStatusText(const RunSession& session) {
  const std::size_t failed = session.NotWell().size();
  if (session.mode() == RunMode::kAllScript || session.mode() == RunMode::kSelectedScript) {
    return "前回の実行: " + std::string(ResultText(session.LastResult()));
  }
  if (failed == 0) return "前回の実行: " + std::to_string(session.total()) + "件 完了";
  return "前回の実行: " + std::to_string(session.total()) + "件中" + std::to_string(failed) +
         "件 失敗";
}

}  // namespace drawlot
