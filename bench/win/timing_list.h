// The drawing list as the timing drivers make it: a report-view list view with grid lines and
// full-row select in a hidden top-level window, the size of the main window's list.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace drawlot::timing {

inline HWND CreateTimingList() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  const HWND parent = CreateWindowExA(0, "STATIC", "timing", WS_OVERLAPPEDWINDOW, 0, 0, 800, 560,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 40, 800, 500,
      parent, reinterpret_cast<HMENU>(300), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  return list;
}

}  // namespace drawlot::timing
