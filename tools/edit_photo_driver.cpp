// Opens the editors of a running Drawlot.exe from outside, as a user would, for the pictures in
// docs/: "dialog" clicks the second row and chooses the one-row edit; "cell" right-clicks the
// printer cell of the second row and drops its list down. Built by tools/photograph-editing.sh.
//
//   edit_photo_driver.exe dialog|cell
#include <windows.h>

#include <cstring>

namespace {

constexpr int kListId = 300;
constexpr int kEditRowCommand = 37833;
constexpr int kCellDropDownId = 952;
constexpr int kSecondRowY = 45;  // below the header, in the list's client area
constexpr int kNameX = 60;
constexpr int kPrinterX = 640;  // inside column 5 of the demo set

LPARAM At(int x, int y) {
  return MAKELPARAM(x, y);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HWND main_window = nullptr;
  for (int poll = 0; poll < 300 && !main_window; ++poll) {
    main_window = FindWindowA("Main Window", nullptr);
    if (!main_window) Sleep(100);
  }
  if (!main_window) return 1;
  Sleep(1000);
  const HWND list = GetDlgItem(main_window, kListId);
  // The list follows a pressed button until it comes up: the release is queued behind the press.
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, At(kNameX, kSecondRowY));
  PostMessageA(list, WM_LBUTTONUP, 0, At(kNameX, kSecondRowY));
  Sleep(300);
  if (std::strcmp(argv[1], "dialog") == 0) {
    PostMessageA(main_window, WM_COMMAND, kEditRowCommand, 0);
    return 0;
  }
  PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, At(kPrinterX, kSecondRowY));
  PostMessageA(list, WM_RBUTTONUP, 0, At(kPrinterX, kSecondRowY));
  Sleep(500);
  const HWND box = GetDlgItem(main_window, kCellDropDownId);
  if (!box) return 1;
  PostMessageA(box, CB_SHOWDROPDOWN, TRUE, 0);
  return 0;
}
