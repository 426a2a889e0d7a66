// The in-place cell editor: a right click on a cell of the drawing list opens a text box or a
// drop-down exactly over the cell, and the cell is empty while the editor covers it. The shell
// makes and destroys the control; this class decides what it shows and what reaches the list.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/edit/edit_choices.h"
#include "core/env/printer_catalog.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/text/fixed_text.h"

namespace drawlot {

// The drawing list lies at (0, 40) of the main window's client area, below the toolbar.
inline constexpr int kDrawingListTop = 40;
// A row's y in the list plus this is the editor's y in the main window.
inline constexpr int kCellEditorTopOffset = kDrawingListTop + 2;
inline constexpr int kCellTextBoxHeight = 16;
inline constexpr int kCellDropDownHeight = 80;  // with its list
// A printer chosen in place in this column gives column 6 its first paper name.
inline constexpr int kCellPrinterColumn = 5;
inline constexpr int kCellPaperColumn = 6;

enum class CellEditorState { kNone = 0, kTextBox = 1, kDropDown = 2 };

// The editor the shell makes, in the main window's client coordinates.
struct CellEditorPlacement {
  CellEditorState kind = CellEditorState::kNone;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text;  // the cell's text, at most 127 bytes
  Choices choices;   // a drop-down's list
};

class CellEditor {
 public:
  using PlotStyleSource = std::function<std::vector<std::string>()>;

  CellEditorState state() const { return state_; }
  bool choice_pending() const { return choice_pending_; }
  int column() const { return column_; }
  // The row under the editor now (rows may have moved), or kNoRow.
  int Row(const RowStore& rows) const;

  // Opens an editor on `column` of the first selected row: the cell is emptied, every row is
  // unmarked. Nothing (and state none) when no row is selected or the column's item has edit
  // mode 0. An editor still open must be closed first (Close).
  std::optional<CellEditorPlacement> Open(RowStore& rows, const ItemSlots& items, int column,
                                          const PrinterCatalog& catalog,
                                          const PlotStyleSource& plot_styles);

  // The text box lost the focus: its text (cut to 127 bytes) goes into the cell.
  void CommitText(RowStore& rows, std::string_view text);
  // An entry of the drop-down was picked; the commit follows on the next timer tick.
  void ChooseEntry() { choice_pending_ = true; }
  // The drop-down's text goes into the cell; a choice in column 5 sets column 6 to the first
  // paper of the printer now in column 5 (entry 0 for an unknown name).
  void CommitChoice(RowStore& rows, std::string_view text, const PrinterCatalog& catalog);
  // The drop-down is given up: the cell gets back its text.
  void Cancel(RowStore& rows);
  // Ends whatever editor is open before anything else touches the list: a text box keeps what
  // was typed, a drop-down the entry picked or, with none picked, the cell's old text.
  void Close(RowStore& rows, std::string_view editor_text, const PrinterCatalog& catalog);

 private:
  void SetEditedCell(RowStore& rows, std::string_view text) const;
  void Reset();

  CellEditorState state_ = CellEditorState::kNone;
  // The edited row is followed by its tag: a sort, a move or a delete while the editor is open
  // never sends its text to another row.
  std::int32_t row_tag_ = 0;
  int column_ = 0;
  FixedText<128> saved_text_;
  bool choice_pending_ = false;
};

// The item shown in list column `column` by the column builder's walk, as the columns are
// built, or nullptr.
const ScriptItem* ItemOfColumn(const ItemSlots& items, int column);

}  // namespace drawlot
