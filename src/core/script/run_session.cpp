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

}  // namespace drawlot
