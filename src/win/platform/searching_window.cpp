#include "win/platform/searching_window.h"

#include "resources/resource_ids.h"

namespace drawlot {
namespace {

INT_PTR CALLBACK SearchingWindowProcedure(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

}  // namespace

HWND ShowSearchingWindow(HINSTANCE instance, HWND owner) {
  const HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_SEARCHING), owner,
                                         SearchingWindowProcedure, 0);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWNORMAL);
  // The search that follows blocks the message loop: paint the texts now.
  UpdateWindow(window);
  return window;
}

void CloseSearchingWindow(HWND window) {
  if (window) DestroyWindow(window);
}

}  // namespace drawlot
