#include "win/list/folder_selection_dialog.h"

#include <array>
#include <string>
#include <vector>

#include "core/text/cp932.h"
#include "resources/resource_ids.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/list_view.h"

namespace drawlot {
namespace {

constexpr int kFolderListTop = 40;
constexpr int kListSize = 400;
constexpr int kNameColumnWidth = 200;
constexpr int kDateColumnWidth = 120;
constexpr int kIconSize = 12;
constexpr int kPathBuffer = 260;
// In image order: the icons of FolderRow::icon.
constexpr std::array<int, 7> kFolderIcons = {
    IDI_FOLDER_DOT_NAME,  IDI_FOLDER_PLAIN,   IDI_FOLDER_FIXED,  IDI_FOLDER_CDROM,
    IDI_FOLDER_REMOVABLE, IDI_FOLDER_NETWORK, IDI_FOLDER_RAMDISK};

int RadioOfKind(FolderLoadKind kind) {
  switch (kind) {
    case FolderLoadKind::kDxf:
      return IDC_FOLDER_KIND_DXF;
    case FolderLoadKind::kDwgAndDxf:
      return IDC_FOLDER_KIND_BOTH;
    default:
      return IDC_FOLDER_KIND_DWG;
  }
}

class FolderSelectionDialog : public Dialog {
 public:
  FolderSelectionDialog(const DialogContext& context, const FolderSelectionRecords& records)
      : Dialog(context, {.ok = IDC_FOLDER_LOAD}), records_(records) {}

 private:
  bool OnInit() override {
    list_ = CreateFolderList();
    if (!list_) return false;
    Check(RadioOfKind(records_.kind));
    FillList();
    return true;
  }

  void OnCommand(int id, int /*notification_code*/) override {
    switch (id) {
      case IDC_FOLDER_KIND_DWG:
        records_.kind = FolderLoadKind::kDwg;
        break;
      case IDC_FOLDER_KIND_DXF:
        records_.kind = FolderLoadKind::kDxf;
        break;
      case IDC_FOLDER_KIND_BOTH:
        records_.kind = FolderLoadKind::kDwgAndDxf;
        break;
      default:
        return Dialog::OnCommand(id, 0);
    }
  }

  void OnNotify(const NMHDR& header) override {
    if (header.idFrom == IDC_FOLDER_LIST && header.code == NM_DBLCLK) OnDoubleClick();
  }

  HWND CreateFolderList() const {
    const HWND list = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, 0,
        kFolderListTop, kListSize, kListSize, window(), reinterpret_cast<HMENU>(IDC_FOLDER_LIST),
        context().instance, nullptr);
    if (!list) return nullptr;
    if (context().font) {
      SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(context().font), 0);
    }
    list_view::InsertColumn(list, 0, "ファイル名", kNameColumnWidth);
    list_view::InsertColumn(list, 1, "更新日", kDateColumnWidth);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(
                     list_view::CreateIconList(context().instance, kIconSize, kFolderIcons)));
    return list;
  }

  // The name of a row, whole: a cut name would lead into a different folder.
  std::string NameOf(int row) const {
    std::string name = list_view::ItemText(list_, row, 0);
    name.resize(Cp932WholeLength(name, kPathBuffer - 1));
    return name;
  }

  void FillList() {
    const std::string current = records_.adding.settings.file_folder.str();
    SetItemText(IDC_FOLDER_CURRENT, current);
    SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<FolderRow> rows = FolderRows(records_.adding.files, current);
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
      const int row =
          list_view::InsertItem(list_, index, rows[index].name, rows[index].icon, index);
      list_view::SetItemText(list_, row, 1, rows[index].date_text);
    }
  }

  // A double-click moves into the folder of the first selected row, or up for a dot name.
  void OnDoubleClick() {
    if (list_view::ItemCount(list_) == 0) return;
    const int row = list_view::FirstSelected(list_);
    if (row < 0) return;
    const auto next =
        FolderAfterDoubleClick(records_.adding.settings.file_folder.view(), NameOf(row));
    if (!next) return;
    records_.adding.settings.file_folder = *next;
    FillList();
  }

  // The load button, this dialog's OK: loads every selected folder, clearing each row's marks;
  // closes when something was added.
  void OnOk() override {
    const int first_new_row = records_.adding.rows.RowCount();
    const std::string current = ItemText(IDC_FOLDER_CURRENT, kPathBuffer);
    std::vector<std::string> names;
    // Each pass unmarks one row; a row the control refuses to unmark cannot hold the loop.
    const int rows = list_view::ItemCount(list_);
    for (int pass = 0, row = list_view::FirstSelected(list_); pass < rows && row >= 0;
         ++pass, row = list_view::FirstSelected(list_)) {
      names.push_back(NameOf(row));
      list_view::SetItemState(list_, row, 0, LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED);
    }
    AddingContext adding = records_.adding;
    adding.owner = owner_ref();
    int position = first_new_row;
    {
      ListRedrawPause pause(records_.drawing_list);
      position = LoadSelectedFolders(adding, current, names, records_.kind);
    }
    if (position == first_new_row) {
      Tell(NothingAddedText(records_.adding.rows), "フォルダ選択", Icon::kWarning);
      return;
    }
    End(1);
  }

  FolderSelectionRecords records_;
  HWND list_ = nullptr;
};

}  // namespace

void RunFolderSelectionDialog(const DialogContext& context, const FolderSelectionRecords& records) {
  FolderSelectionDialog dialog(context, records);
  dialog.RunModal(IDD_FOLDER_SELECTION);
}

}  // namespace drawlot
