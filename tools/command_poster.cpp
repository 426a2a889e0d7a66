// Starts Drawlot.exe and drives it for a screenshot: presses OK on each message box it shows,
// sends one menu command to the main window once that is up, and goes on pressing OK on boxes
// for a few seconds more. Then it writes "posted.txt" in the current folder and ends; the
// dialog the command opened stays up for the photograph. Started on the same Wine desktop as
// the program, it sees that desktop's windows.
//
//   command_poster.exe COMMAND_ID DRAWLOT_EXE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr int kPollsForTheWindow = 600;
constexpr int kPollsAfterTheCommand = 50;

// A message box is the one dialog here with an OK button of id IDOK.
BOOL CALLBACK PressOk(HWND window, LPARAM) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) == "#32770" && IsWindowVisible(window) && GetDlgItem(window, IDOK)) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const WPARAM command = MAKEWPARAM(std::strtoul(argv[1], nullptr, 10), 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(argv[2], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 3;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int poll = 0; poll < kPollsForTheWindow; ++poll) {
    EnumWindows(PressOk, 0);
    const HWND main_window = FindWindowA("Main Window", nullptr);
    if (main_window && IsWindowVisible(main_window) && IsWindowEnabled(main_window)) {
      PostMessageA(main_window, WM_COMMAND, command, 0);
      for (int after = 0; after < kPollsAfterTheCommand; ++after) {
        Sleep(kPollMilliseconds);
        EnumWindows(PressOk, 0);
      }
      if (std::FILE* marker = std::fopen("posted.txt", "wb")) std::fclose(marker);
      return 0;
    }
    Sleep(kPollMilliseconds);
  }
  return 1;
}
