// A report-view list view in a hidden top-level window of its own, styled as the main window's
// drawing list, for tests of the list view as a row store.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace drawlot::testing {

class HiddenListView {
 public:
  HiddenListView() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExA(0, "STATIC", "rows", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT,
                            0, 0, 600, 400, parent_, reinterpret_cast<HMENU>(300),
                            GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  }
  ~HiddenListView() { DestroyWindow(parent_); }
  HiddenListView(const HiddenListView&) = delete;
  HiddenListView& operator=(const HiddenListView&) = delete;

  HWND list() const { return list_; }

 private:
  HWND parent_ = nullptr;
  HWND list_ = nullptr;
};

}  // namespace drawlot::testing
