#include "core/script/run_session.h"

#include <algorithm>

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"
#include "core/script/script_writer.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

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

}  // namespace drawlot
