#include "win/items/script_details_dialog.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/items/item_editing.h"
#include "core/items/item_set_editor.h"
#include "resources/resource_ids.h"
#include "win/platform/combo_box.h"
#include "win/platform/list_view_row_store.h"

namespace drawlot {
namespace {

constexpr int kItemListWidth = 790;
constexpr int kItemListHeight = 370;
// Every text is read whole enough for its field (the longest, the initial value, holds 127
// bytes); the core cuts it to the field.
constexpr int kTextBuffer = 260;
constexpr std::array<int, kSelectCount> kSelectIds = {IDC_DETAIL_SELECT1, IDC_DETAIL_SELECT2,
                                                      IDC_DETAIL_SELECT3, IDC_DETAIL_SELECT4,
                                                      IDC_DETAIL_SELECT5};

class ScriptDetailsDialog : public Dialog {
 public:
  ScriptDetailsDialog(const DialogContext& context, const ScriptItemRecords& records)
      : Dialog(context, {.ok = 0,
                         .cancel = 0,
                         .help = IDC_DETAIL_HELP,
                         .help_page = "Dw-HELP03.htm",
                         .esc_cancels = false}),
        records_(records) {}

 private:
  bool OnInit() override {
    const HWND list = CreateItemList();
    if (!list) return false;
    list_ = std::make_unique<ListViewRowStore>(list);
    editor_.emplace(ItemSetEditorContext{records_.table, records_.shown_set, *list_,
                                         context().prompter, owner_ref(), records_.startup_folder,
                                         *context().pickers.file_name});
    FillModeChoices(IDC_DETAIL_OUTPUT_MODE, OutputModeLabels());
    FillModeChoices(IDC_DETAIL_DISPLAY_MODE, DisplayModeLabels());
    FillModeChoices(IDC_DETAIL_EDIT_MODE, EditModeLabels());
    editor_->Open();
    ShowSetHeader();
    return true;
  }

  // No default button: Enter (IDOK) and Esc (IDCANCEL) do nothing.
  void OnCommand(int id, int /*notification_code*/) override {
    switch (id) {
      case IDC_DETAIL_ADD:
        return editor_->AddItem(ReadItemFields());
      case IDC_DETAIL_REWRITE:
        return editor_->RewriteItem(ReadItemFields());
      case IDC_DETAIL_READ:
        return OnReadItem();
      case IDC_DETAIL_DELETE:
        return editor_->DeleteItem();
      case IDC_DETAIL_MOVE_UP:
        return OnMoveItem(ItemMove::kUp);
      case IDC_DETAIL_MOVE_DOWN:
        return OnMoveItem(ItemMove::kDown);
      case IDC_DETAIL_PREVIOUS_SET:
        editor_->ShowPreviousSet(ReadSetHeader());
        return ShowSetHeader();
      case IDC_DETAIL_NEXT_SET:
        editor_->ShowNextSet(ReadSetHeader());
        return ShowSetHeader();
      default:
        return OnSetCommand(id);
    }
  }

  // The buttons of the whole set and the close; the skeleton opens the help.
  void OnSetCommand(int id) {
    switch (id) {
      case IDC_DETAIL_COPY_SET:
        return editor_->CopySet();
      case IDC_DETAIL_PASTE_SET:
        editor_->PasteSet();
        return;
      case IDC_DETAIL_CLEAR_SET:
        return OnClearSet();
      case IDC_DETAIL_LOAD_PARTIAL:
        return OnLoadPartialScript();
      case IDC_DETAIL_SAVE_PARTIAL:
        return editor_->SavePartialScript();
      case IDC_DETAIL_CLOSE:
        editor_->StoreHeader(ReadSetHeader());
        return End(1);
      default:
        return Dialog::OnCommand(id, 0);
    }
  }

  // The caption's close box (WM_CLOSE comes here): a set flag or title typed since the header
  // was last stored is dropped; the item changes are in the table already.
  void OnCancel() override { End(0); }

  void OnReadItem() {
    if (const auto fields = editor_->ReadItem()) ShowItemFields(*fields);
  }

  void OnMoveItem(ItemMove move) {
    if (editor_->MoveItem(move)) ShowSetHeader();
  }

  void OnClearSet() {
    if (!editor_->ClearSet()) return;
    // The set's own flag and title follow when the header is next stored.
    Check(IDC_DETAIL_SET_PRESENT, false);
    SetItemText(IDC_DETAIL_SET_TITLE, "");
  }

  void OnLoadPartialScript() {
    const auto title = editor_->LoadPartialScript();
    if (!title) return;
    Check(IDC_DETAIL_SET_PRESENT, true);
    SetItemText(IDC_DETAIL_SET_TITLE, *title);
  }

  ItemFields ReadItemFields() const {
    ItemFields fields;
    fields.present = IsChecked(IDC_DETAIL_ITEM_PRESENT);
    fields.title = ItemText(IDC_DETAIL_ITEM_TITLE, kTextBuffer);
    fields.output_mode = ItemText(IDC_DETAIL_OUTPUT_MODE, kTextBuffer);
    fields.display_mode = ItemText(IDC_DETAIL_DISPLAY_MODE, kTextBuffer);
    fields.edit_mode = ItemText(IDC_DETAIL_EDIT_MODE, kTextBuffer);
    fields.width = ItemText(IDC_DETAIL_WIDTH, kTextBuffer);
    for (int i = 0; i < kSelectCount; ++i) fields.select[i] = ItemText(kSelectIds[i], kTextBuffer);
    fields.initial_value = ItemText(IDC_DETAIL_INITIAL_VALUE, kTextBuffer);
    fields.command = ItemText(IDC_DETAIL_COMMAND, kTextBuffer);
    return fields;
  }

  void ShowItemFields(const ItemFields& fields) const {
    Check(IDC_DETAIL_ITEM_PRESENT, fields.present);
    SetItemText(IDC_DETAIL_ITEM_TITLE, fields.title);
    SetItemText(IDC_DETAIL_OUTPUT_MODE, fields.output_mode);
    SetItemText(IDC_DETAIL_DISPLAY_MODE, fields.display_mode);
    SetItemText(IDC_DETAIL_EDIT_MODE, fields.edit_mode);
    SetItemText(IDC_DETAIL_WIDTH, fields.width);
    for (int i = 0; i < kSelectCount; ++i) SetItemText(kSelectIds[i], fields.select[i]);
    SetItemText(IDC_DETAIL_INITIAL_VALUE, fields.initial_value);
    SetItemText(IDC_DETAIL_COMMAND, fields.command);
  }

  SetHeader ReadSetHeader() const {
    return SetHeader{IsChecked(IDC_DETAIL_SET_PRESENT),
                     ItemText(IDC_DETAIL_SET_TITLE, kTextBuffer)};
  }

  void ShowSetHeader() const {
    const SetHeader header = editor_->Header();
    Check(IDC_DETAIL_SET_PRESENT, header.present);
    SetItemText(IDC_DETAIL_SET_NUMBER, editor_->NumberText());
    SetItemText(IDC_DETAIL_SET_TITLE, header.title);
  }

  void FillModeChoices(int id, std::span<const std::string_view> labels) const {
    AddComboTexts(Item(id), labels);
  }

  HWND CreateItemList() const {
    const HWND list =
        CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0,
                        0, kItemListWidth, kItemListHeight, window(),
                        reinterpret_cast<HMENU>(IDC_DETAIL_ITEM_LIST), context().instance, nullptr);
    if (!list) return nullptr;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    if (context().font) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(context().font), 0);
    return list;
  }

  const ScriptItemRecords records_;
  std::unique_ptr<ListViewRowStore> list_;
  std::optional<ItemSetEditor> editor_;
};

}  // namespace

void RunScriptDetailsDialog(const DialogContext& context, const ScriptItemRecords& records) {
  ScriptDetailsDialog dialog(context, records);
  dialog.RunModal(IDD_SCRIPT_DETAILS);
}

}  // namespace drawlot
