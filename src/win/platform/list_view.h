// The list view calls every list of the program needs, the drawing list and the lists of the
// dialogs alike: columns, item text, selected rows, states and icon lists. Texts are CP932.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace drawlot::list_view {

inline constexpr int kNoItem = -1;

int ItemCount(HWND list);

// A left-aligned column at `index`. True when it went in there.
bool InsertColumn(HWND list, int index, std::string_view title, int width);

// An item at `position` with its first cell, image and parameter; the index it got, or -1.
int InsertItem(HWND list, int position, std::string_view text, int image, std::intptr_t param);
bool SetItemText(HWND list, int item, int column, std::string_view text);
// The whole text of a cell, however long.
std::string ItemText(HWND list, int item, int column);

// The next selected item after `after` (the first with kNoItem); kNoItem when there is none.
int NextSelected(HWND list, int after = kNoItem);
inline int FirstSelected(HWND list) {
  return NextSelected(list, kNoItem);
}
int SelectedCount(HWND list);

unsigned ItemState(HWND list, int item, unsigned mask);
void SetItemState(HWND list, int item, unsigned state, unsigned mask);

// An image list of `size` x `size` icons loaded from the resources in the order given; the
// list view it is given to destroys it with itself.
HIMAGELIST CreateIconList(HINSTANCE instance, int size, std::span<const int> icon_ids);

}  // namespace drawlot::list_view
