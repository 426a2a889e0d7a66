// The least a Win32 program does to show a window: registers a class, creates a window and
// shows it, and quits as soon as it is shown. It imports kernel32 and user32 alone, so that
// bench/win/printer_timing.sh can set the program's start-up against what Wine itself takes.
#include <windows.h>

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SHOWWINDOW && wparam) PostMessageA(window, WM_CLOSE, 0, 0);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = BareWindowProc;
  window_class.hInstance = instance;
  window_class.lpszClassName = "Bare Window";
  if (!RegisterClassA(&window_class)) return 1;
  const HWND window =
      CreateWindowA("Bare Window", "Bare Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                    400, 300, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return static_cast<int>(message.wParam);
}
