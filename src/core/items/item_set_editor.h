// The script detail settings dialog's work, apart from its controls: one set of the table shown
// in an item list, and what each button does to the table, the list and the boxes. The dialog
// reads its edit controls into ItemFields and a SetHeader, calls one of these, and shows what
// comes back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/items/item_editing.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/file_name_picker.h"
#include "core/platform/prompter.h"

namespace drawlot {

// What the editor works with; every reference outlives it.
struct ItemSetEditorContext {
  ScriptItemTable& table;
  // The set shown, 0 to 19; kept by the caller so that it survives closing the dialog.
  int& shown_set;
  RowStore& list;  // the item list
  Prompter& prompter;
  WindowRef owner;  // the dialog: owner of every box and file dialog
  std::string_view startup_folder;
  FileNamePicker& picker;
};

class ItemSetEditor {
 public:
  explicit ItemSetEditor(const ItemSetEditorContext& context);

  // The item list's columns and the shown set's rows.
  void Open();
  // The shown set's flag and title as the table holds them, and its number ("No3").
  SetHeader Header() const;
  std::string NumberText() const;

  // "新規", "書換", "読出", "削除": on the selected row (or at the row count for "新規").
  void AddItem(const ItemFields& fields);
  void RewriteItem(const ItemFields& fields);
  // The selected item's texts for the edit controls; nullopt (after a box) with none selected.
  std::optional<ItemFields> ReadItem();
  void DeleteItem();
  // "↑" / "↓": swaps the selected item with its neighbour (with itself at either end), refills
  // the list and selects the moved row. True when the header is to be shown again from the
  // table, which drops an unstored edit of the set's flag and title.
  bool MoveItem(ItemMove move);

  // "≪" / "≫": stores the header as typed, then shows the previous or next set.
  void ShowPreviousSet(const SetHeader& typed);
  void ShowNextSet(const SetHeader& typed);
  // "閉じる" stores the header as typed; the caption's close button does not.
  void StoreHeader(const SetHeader& typed);

  // "複写": every slot of the shown set into the set clipboard.
  void CopySet();
  // "貼付", "消": after the two questions; true when done, the list then refilled. After a
  // clear the dialog unticks the set's flag and empties its title (stored with the header).
  bool PasteSet();
  bool ClearSet();
  // "読", "保": after the two questions, through the file dialog. A load gives the title taken
  // from the file's name, for the dialog to show with the set's flag ticked.
  std::optional<std::string> LoadPartialScript();
  void SavePartialScript();

 private:
  ItemSlots& slots() const;
  // The selected row, or kNoRow after the box titled `title`.
  int SelectedRow(std::string_view title);
  bool ConfirmTwice(std::string_view question, std::string_view give_up);
  void Tell(std::string_view text, std::string_view title);
  void ShowSet(int index);

  ItemSetEditorContext context_;
};

}  // namespace drawlot
