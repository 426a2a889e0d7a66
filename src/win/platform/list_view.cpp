#include "win/platform/list_view.h"

#include <algorithm>
#include <vector>

namespace drawlot::list_view {

namespace {

LRESULT Send(HWND list, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendMessageA(list, message, wparam, lparam);
}

}  // namespace

int ItemCount(HWND list) {
  return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

bool InsertColumn(HWND list, int index, std::string_view title, int width) {
  // The control takes texts as non-const pointers even where it only reads them.
  std::string text(title);
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = text.data();
  return Send(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
              reinterpret_cast<LPARAM>(&column)) == index;
}

int InsertItem(HWND list, int position, std::string_view text, int image, std::intptr_t param) {
  std::string terminated(text);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
  item.iItem = position;
  item.pszText = terminated.data();
  item.iImage = image;
  item.lParam = param;
  return static_cast<int>(Send(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool SetItemText(HWND list, int item, int column, std::string_view text) {
  std::string terminated(text);
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = terminated.data();
  return Send(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)) !=
         0;
}

std::string ItemText(HWND list, int item, int column) {
  // The control answers with the length it copied; a full buffer may mean more text.
  for (std::size_t size = 264;; size *= 2) {
    std::vector<char> buffer(size, '\0');
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = buffer.data();
    cell.cchTextMax = static_cast<int>(size);
    Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell));
    const std::size_t length = std::find(buffer.begin(), buffer.end(), '\0') - buffer.begin();
    if (length + 2 < size || size >= (std::size_t{1} << 20)) {
      return std::string(buffer.data(), length);
    }
  }
}

int NextSelected(HWND list, int after) {
  return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
}

int SelectedCount(HWND list) {
  return static_cast<int>(Send(list, LVM_GETSELECTEDCOUNT));
}

unsigned ItemState(HWND list, int item, unsigned mask) {
  return static_cast<unsigned>(Send(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

void SetItemState(HWND list, int item, unsigned state, unsigned mask) {
  LVITEMA change{};
  change.stateMask = mask;
  change.state = state;
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

HIMAGELIST CreateIconList(HINSTANCE instance, int size, std::span<const int> icon_ids) {
  const HIMAGELIST icons =
      ImageList_Create(size, size, ILC_MASK | ILC_COLOR32, static_cast<int>(icon_ids.size()), 0);
  if (!icons) return nullptr;
  for (const int id : icon_ids) {
    const HICON icon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    // The icon's own bitmaps: ImageList_AddIcon would load the icon again from the resource
    // for a copy of its size, twice the work at every start.
    ICONINFO parts{};
    if (icon && GetIconInfo(icon, &parts)) {
      ImageList_Add(icons, parts.hbmColor, parts.hbmMask);
      DeleteObject(parts.hbmColor);
      DeleteObject(parts.hbmMask);
    }
    if (icon) DestroyIcon(icon);
  }
  return icons;
}

}  // namespace drawlot::list_view
