#include "win/env/about_dialog.h"

#include "resources/resource_ids.h"
#include "win/platform/callback_guard.h"

namespace drawlot {
namespace {

constexpr int kPictureLeft = 40;
constexpr int kPictureWidth = 128;
constexpr int kPictureHeight = 64;

HBITMAP PictureOf(HWND dialog) {
  return reinterpret_cast<HBITMAP>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog) {
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  const HANDLE picture =
      LoadImageA(instance, MAKEINTRESOURCEA(IDB_ABOUT), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(picture));
}

void OnPaint(HWND dialog) {
  PAINTSTRUCT paint;
  const HDC target = BeginPaint(dialog, &paint);
  const HBITMAP picture = PictureOf(dialog);
  if (picture) {
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ previous = SelectObject(source, picture);
    BitBlt(target, kPictureLeft, 0, kPictureWidth, kPictureHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
  }
  EndPaint(dialog, &paint);
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wparam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog);
      return TRUE;
    case WM_PAINT:
      OnPaint(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_ABOUT_OK || LOWORD(wparam) == IDCANCEL) DestroyWindow(dialog);
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(dialog);
      return TRUE;
    case WM_DESTROY:
      if (const HBITMAP picture = PictureOf(dialog)) DeleteObject(picture);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK AboutDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  return CallOrFallback<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wparam); });
}

}  // namespace

HWND OpenAboutDialog(HINSTANCE instance, HWND owner) {
  const HWND dialog =
      CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutDialogProcedure, 0);
  if (dialog) ShowWindow(dialog, SW_SHOW);
  return dialog;
}

}  // namespace drawlot
