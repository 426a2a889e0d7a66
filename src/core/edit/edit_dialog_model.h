// What the edit dialog shows: one control per editable column of the current set, made at run
// time and placed left to right in lines of about 700 pixels, with the item's title painted
// above it. The dialog creates the controls from this model and reads them back through it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/edit/edit_choices.h"
#include "core/env/printer_catalog.h"
#include "core/items/row_buffer.h"
#include "core/model/script_item.h"

namespace drawlot {

inline constexpr int kEditTextBoxIdBase = 500;
inline constexpr int kEditDropDownIdBase = 1500;
// Pixels in the dialog's client area.
inline constexpr int kEditFirstX = 5;
inline constexpr int kEditFirstY = 30;
inline constexpr int kEditLineEndX = 700;  // a control that ends a line past this starts a new one
inline constexpr int kEditLineHeight = 50;
inline constexpr int kEditTitleAbove = 16;  // a title stands this far above its control
inline constexpr int kEditTextBoxHeight = 20;
inline constexpr int kEditDropDownHeight = 160;      // with its list dropped down
inline constexpr int kEditDropDownFieldHeight = 24;  // the part that is always shown

enum class EditControlKind { kTextBox, kDropDown };

struct EditControl {
  int item = 0;    // the item's slot
  int column = 0;  // its list column and RowBuffer cell
  EditControlKind kind = EditControlKind::kTextBox;
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string title;  // painted at (x, y - kEditTitleAbove)
  std::string text;   // the cell's text when the dialog opens
  Choices choices;    // a drop-down's list
};

struct EditDialogModel {
  std::vector<EditControl> controls;  // in creation order; the last one gets the focus
  // The linked pair: the last printer box and the last paper box made (0: none).
  int printer_box = 0;
  int paper_box = 0;
  // The lowest right and bottom edges that show every control whole.
  int right = 0;
  int bottom = 0;
};

// The controls for the current set's item walk: a text box for edit mode 1, a drop-down for
// modes 2 and up, nothing for 0 or a negative mode and for undisplayed items. A paper box lists
// the papers of the printer in the cell of the last printer item before it (entry 0 without one).
EditDialogModel BuildEditDialogModel(const ItemSlots& items, const RowBuffer& buffer,
                                     const PrinterCatalog& catalog,
                                     const std::vector<std::string>& plot_styles);

// On OK: every control's text, cut to 127 bytes, into its column's cell.
void ReadEditDialog(const EditDialogModel& model, RowBuffer& buffer,
                    const std::function<std::string(int control_id)>& text_of);

}  // namespace drawlot
