#include "core/edit/cell_editor.h"

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"

namespace drawlot {
namespace {

void UnmarkEveryRow(RowStore& rows) {
  for (int row = 0, count = rows.RowCount(); row < count; ++row) UnmarkRow(rows, row);
}

std::string CellText(const RowStore& rows, int row, int column) {
  return ReadCellText(rows, row, column, FixedText<128>::kCapacity);
}

}  // namespace

const ScriptItem* ItemOfColumn(const ItemSlots& items, int column) {
  const std::optional<int> slot = ColumnLayout::ColumnBuilderWalk(items).SlotOf(column);
  return slot ? &items[*slot] : nullptr;
}

int CellEditor::Row(const RowStore& rows) const {
  return state_ == CellEditorState::kNone ? kNoRow : rows.FindRowByTag(row_tag_);
}

std::optional<CellEditorPlacement> CellEditor::Open(RowStore& rows, const ItemSlots& items,
                                                    int column, const PrinterCatalog& catalog,
                                                    const PlotStyleSource& plot_styles) {
  Reset();
  const ScriptItem* item = ItemOfColumn(items, column);
  const int row = rows.NextSelectedRow();
  if (item == nullptr || item->edit_mode == 0 || row == kNoRow) return std::nullopt;

  CellEditorPlacement placement;
  const RowPoint origin = rows.RowOrigin(row);
  placement.x = origin.x;
  for (int before = 0; before < column; ++before) placement.x += rows.ColumnWidth(before);
  placement.y = origin.y + kCellEditorTopOffset;
  placement.width = rows.ColumnWidth(column);
  placement.text = CellText(rows, row, column);
  if (item->edit_mode == static_cast<int>(EditMode::kText)) {
    placement.kind = CellEditorState::kTextBox;
    placement.height = kCellTextBoxHeight;
  } else {
    placement.kind = CellEditorState::kDropDown;
    placement.height = kCellDropDownHeight;
    const std::string printer = CellText(rows, row, kCellPrinterColumn);
    placement.choices = ChoicesForItem(*item, catalog, printer, plot_styles);
  }

  state_ = placement.kind;
  row_tag_ = rows.TagOf(row);
  column_ = column;
  saved_text_ = placement.text;
  rows.SetCell(row, column, "");
  UnmarkEveryRow(rows);
  return placement;
}

void CellEditor::CommitText(RowStore& rows, std::string_view text) {
  if (state_ != CellEditorState::kTextBox) return;
  SetEditedCell(rows, text);
  Reset();
}

void CellEditor::CommitChoice(RowStore& rows, std::string_view text,
                              const PrinterCatalog& catalog) {
  if (state_ != CellEditorState::kDropDown) return;
  SetEditedCell(rows, text);
  const int row = Row(rows);
  // Without any printer there is no paper to give: column 6 keeps its text.
  if (column_ == kCellPrinterColumn && row != kNoRow && catalog.count > 0) {
    const std::string printer = CellText(rows, row, kCellPrinterColumn);
    rows.SetCell(row, kCellPaperColumn, PrinterOrFirst(catalog, printer).papers[0].view());
  }
  Reset();
}

void CellEditor::Cancel(RowStore& rows) {
  if (state_ != CellEditorState::kDropDown) return;
  SetEditedCell(rows, saved_text_.view());
  Reset();
}

void CellEditor::Close(RowStore& rows, std::string_view editor_text,
                       const PrinterCatalog& catalog) {
  if (state_ == CellEditorState::kTextBox) {
    CommitText(rows, editor_text);
  } else if (choice_pending_) {
    CommitChoice(rows, editor_text, catalog);
  } else {
    Cancel(rows);
  }
}

void CellEditor::SetEditedCell(RowStore& rows, std::string_view text) const {
  const int row = Row(rows);
  if (row != kNoRow) rows.SetCell(row, column_, FixedText<128>(text).view());
}

void CellEditor::Reset() {
  state_ = CellEditorState::kNone;
  row_tag_ = 0;
  column_ = 0;
  saved_text_.Clear();
  choice_pending_ = false;
}

}  // namespace drawlot
