// Stops a list view from repainting while many rows go in at once. Under Wine each inserted
// row otherwise costs a repaint of the control: 10,000 rows of "listview.ini" load in about
// 12 s instead of 0.25 s. The control repaints once when the pause ends.
#pragma once

#include <windows.h>

namespace drawlot {

class ListRedrawPause {
 public:
  explicit ListRedrawPause(HWND list) : list_(list) { SendMessageA(list_, WM_SETREDRAW, FALSE, 0); }
  ~ListRedrawPause() {
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  ListRedrawPause(const ListRedrawPause&) = delete;
  ListRedrawPause& operator=(const ListRedrawPause&) = delete;

 private:
  HWND list_;
};

}  // namespace drawlot
