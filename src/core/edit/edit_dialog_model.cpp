#include "core/edit/edit_dialog_model.h"

#include <algorithm>
#include <optional>

#include "core/model/column_layout.h"

namespace drawlot {
namespace {

// The flow of controls: each advances x by its width and a gap; past x = 700 a new line.
class ControlFlow {
 public:
  void Place(EditControl& control, int advance) {
    control.x = x_;
    control.y = y_;
    x_ += advance;
    if (x_ > kEditLineEndX) {
      x_ = kEditFirstX;
      y_ += kEditLineHeight;
    }
  }

 private:
  int x_ = kEditFirstX;
  int y_ = kEditFirstY;
};

EditControl TextBox(const ScriptItem& item, int slot) {
  EditControl control;
  control.kind = EditControlKind::kTextBox;
  control.id = kEditTextBoxIdBase + slot;
  control.width = item.width;
  control.height = kEditTextBoxHeight;
  return control;
}

EditControl DropDown(const ScriptItem& item, int slot) {
  EditControl control;
  control.kind = EditControlKind::kDropDown;
  control.id = kEditDropDownIdBase + slot;
  control.width = item.width + 10;
  control.height = kEditDropDownHeight;
  return control;
}

void GrowExtent(EditDialogModel& model, const EditControl& control) {
  const int shown =
      control.kind == EditControlKind::kTextBox ? control.height : kEditDropDownFieldHeight;
  model.right = std::max(model.right, control.x + control.width);
  model.bottom = std::max(model.bottom, control.y + shown);
}

}  // namespace

EditDialogModel BuildEditDialogModel(const ItemSlots& items, const RowBuffer& buffer,
                                     const PrinterCatalog& catalog,
                                     const std::vector<std::string>& plot_styles) {
  EditDialogModel model;
  ControlFlow flow;
  std::optional<std::string> printer;  // the cell of the last printer item so far
  const ColumnLayout layout = ColumnLayout::ItemWalk(items);
  for (const auto [slot, column] : layout.columns()) {
    const ScriptItem& item = items[slot];
    if (item.edit_mode <= 0) continue;
    const bool text_box = item.edit_mode == static_cast<int>(EditMode::kText);
    EditControl control = text_box ? TextBox(item, slot) : DropDown(item, slot);
    control.item = slot;
    control.column = column;
    control.title = item.title.str();
    control.text = buffer.cells[column].str();
    if (item.edit_mode == static_cast<int>(EditMode::kPrinter)) {
      printer = control.text;
      model.printer_box = control.id;
    } else if (item.edit_mode == static_cast<int>(EditMode::kPaper)) {
      model.paper_box = control.id;
    }
    if (!text_box) {
      control.choices = ChoicesForItem(item, catalog, printer, [&] { return plot_styles; });
    }
    flow.Place(control, item.width + (text_box ? 2 : 12));
    GrowExtent(model, control);
    model.controls.push_back(std::move(control));
  }
  return model;
}

void ReadEditDialog(const EditDialogModel& model, RowBuffer& buffer,
                    const std::function<std::string(int control_id)>& text_of) {
  for (const EditControl& control : model.controls) {
    buffer.cells[control.column] = text_of(control.id);
  }
}

}  // namespace drawlot
