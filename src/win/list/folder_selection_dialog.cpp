#include "win/list/folder_selection_dialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/text/cp932.h"
#include "resources/resource_ids.h"
#include "win/list/list_redraw_pause.h"
#include "win/platform/callback_guard.h"

namespace drawlot {
namespace {

constexpr int kListTop = 40;
constexpr int kListSize = 400;
constexpr int kNameColumnWidth = 200;
constexpr int kDateColumnWidth = 120;
constexpr int kIconSize = 12;
constexpr int kPathBuffer = 260;

FolderSelection* SelectionOf(HWND dialog) {
  return reinterpret_cast<FolderSelection*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

AddingContext ContextOf(FolderSelection& selection, HWND dialog) {
  Application& app = selection.app;
  return AddingContext{*app.rows,
                       app.current_items(),
                       app.tags,
                       app.settings,
                       *selection.sources.files,
                       app.prompter,
                       reinterpret_cast<WindowRef>(dialog)};
}

void InsertColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

HIMAGELIST CreateFolderIcons(HINSTANCE instance) {
  const HIMAGELIST icons = ImageList_Create(kIconSize, kIconSize, ILC_MASK | ILC_COLOR32, 7, 0);
  for (int id = IDI_FOLDER_DOT_NAME; id <= IDI_FOLDER_RAMDISK; ++id) {
    const HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, kIconSize, kIconSize, 0));
    ImageList_AddIcon(icons, icon);
    if (icon) DestroyIcon(icon);
  }
  return icons;
}

HWND CreateFolderList(const Application& app, HWND dialog) {
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, 0,
      kListTop, kListSize, kListSize, dialog, reinterpret_cast<HMENU>(IDC_FOLDER_LIST),
      app.instance, nullptr);
  if (!list) return nullptr;
  if (app.editor_font) SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(app.editor_font), 0);
  InsertColumn(list, 0, "ファイル名", kNameColumnWidth);
  InsertColumn(list, 1, "更新日", kDateColumnWidth);
  // The list view destroys its image list with itself.
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(CreateFolderIcons(app.instance)));
  return list;
}

std::string ItemText(HWND list, int row, int buffer_size) {
  std::vector<char> text(buffer_size + 1, '\0');
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = text.data();
  item.cchTextMax = buffer_size;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  std::string name(text.data());
  name.resize(Cp932PrefixLength(name, buffer_size - 1));
  return name;
}

int FirstSelectedRow(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

void FillList(FolderSelection& selection, HWND dialog) {
  const std::string current = selection.app.settings.file_folder.str();
  SetDlgItemTextA(dialog, IDC_FOLDER_CURRENT, current.c_str());
  SendMessageA(selection.list, LVM_DELETEALLITEMS, 0, 0);
  const std::vector<FolderRow> rows = FolderRows(*selection.sources.files, current);
  for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(rows[index].name.c_str());
    item.iImage = rows[index].icon;
    item.lParam = index;
    const int row = static_cast<int>(
        SendMessageA(selection.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    LVITEMA date{};
    date.iSubItem = 1;
    date.pszText = const_cast<char*>(rows[index].date_text.c_str());
    SendMessageA(selection.list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&date));
  }
}

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

bool OnInitDialog(HWND dialog, FolderSelection& selection) {
  selection.list = CreateFolderList(selection.app, dialog);
  if (!selection.list) return false;
  CheckDlgButton(dialog, RadioOfKind(selection.sources.folder_kind), BST_CHECKED);
  FillList(selection, dialog);
  return true;
}

// A double-click moves into the folder of the first selected row, or up for a dot name.
void OnDoubleClick(FolderSelection& selection, HWND dialog) {
  if (SendMessageA(selection.list, LVM_GETITEMCOUNT, 0, 0) == 0) return;
  const int row = FirstSelectedRow(selection.list);
  if (row < 0) return;
  // The whole name: a cut name would lead into a different folder.
  const auto next = FolderAfterDoubleClick(selection.app.settings.file_folder.view(),
                                           ItemText(selection.list, row, kPathBuffer));
  if (!next) return;
  selection.app.settings.file_folder = *next;
  FillList(selection, dialog);
}

// Loads every selected folder, clearing each row's marks; closes when something was added.
void OnLoad(FolderSelection& selection, HWND dialog) {
  const int first_new_row = selection.app.rows->RowCount();
  char current[kPathBuffer] = {};
  GetDlgItemTextA(dialog, IDC_FOLDER_CURRENT, current, sizeof current);
  std::vector<std::string> names;
  for (int row = FirstSelectedRow(selection.list); row >= 0;
       row = FirstSelectedRow(selection.list)) {
    names.push_back(ItemText(selection.list, row, kPathBuffer));
    LVITEMA state{};
    state.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_DROPHILITED;
    state.state = 0;
    SendMessageA(selection.list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
  AddingContext context = ContextOf(selection, dialog);
  int position = first_new_row;
  {
    ListRedrawPause pause(selection.app.drawing_list);
    position = LoadSelectedFolders(context, current, names, selection.sources.folder_kind);
  }
  if (position == first_new_row) {
    selection.app.prompter.Tell(reinterpret_cast<WindowRef>(dialog), "読込出来ません！",
                                "フォルダ選択", Icon::kWarning);
    return;
  }
  EndDialog(dialog, 1);
}

void OnCommand(FolderSelection& selection, HWND dialog, int id) {
  switch (id) {
    case IDC_FOLDER_KIND_DWG:
      selection.sources.folder_kind = FolderLoadKind::kDwg;
      break;
    case IDC_FOLDER_KIND_DXF:
      selection.sources.folder_kind = FolderLoadKind::kDxf;
      break;
    case IDC_FOLDER_KIND_BOTH:
      selection.sources.folder_kind = FolderLoadKind::kDwgAndDxf;
      break;
    case IDC_FOLDER_LOAD:
      OnLoad(selection, dialog);
      break;
    case IDCANCEL:
      EndDialog(dialog, 0);
      break;
    default:
      break;
  }
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    if (!OnInitDialog(dialog, *reinterpret_cast<FolderSelection*>(lparam))) EndDialog(dialog, 0);
    return TRUE;
  }
  FolderSelection* selection = SelectionOf(dialog);
  if (!selection) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(*selection, dialog, LOWORD(wparam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->idFrom == IDC_FOLDER_LIST && header->code == NM_DBLCLK) {
        OnDoubleClick(*selection, dialog);
      }
      return TRUE;
    }
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK FolderSelectionProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  // Nothing may unwind through the system's dialog code.
  return CallOrFallback<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wparam, lparam); });
}

void RunFolderSelectionDialog(Application& app, DrawingSources& sources) {
  FolderSelection selection{app, sources};
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_FOLDER_SELECTION), app.main_window,
                  FolderSelectionProcedure, reinterpret_cast<LPARAM>(&selection));
}

}  // namespace drawlot
