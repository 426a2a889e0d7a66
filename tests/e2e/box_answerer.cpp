// Drives a running Drawlot.exe from outside, as a user would: presses OK on every message box
// it shows, then, once the main window is up and the expected number of boxes was answered,
// chooses the quit item of the menu bar. Each box is written to "boxes.txt" in the current
// folder as "title|text" lines (code page 932). Exits 0 when the main window has gone, 1 when
// it never came or never went within about a minute.
//
//   box_answerer.exe EXPECTED_BOX_COUNT
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

constexpr int kQuitCommand = 27;
constexpr int kPolls = 600;
constexpr DWORD kPollMilliseconds = 100;

struct Seen {
  std::set<HWND> answered;
  std::FILE* log = nullptr;
};

BOOL CALLBACK AnswerBox(HWND window, LPARAM seen_address) {
  auto& seen = *reinterpret_cast<Seen*>(seen_address);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (!seen.answered.insert(window).second) return TRUE;
  char title[256] = {};
  char text[512] = {};
  GetWindowTextA(window, title, sizeof title);
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the static that holds a box's text
  std::fprintf(seen.log, "%s|%s\n", title, text);
  std::fflush(seen.log);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t expected = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0;
  Seen seen;
  seen.log = std::fopen("boxes.txt", "wb");
  if (!seen.log) return 2;
  bool quit_sent = false;
  for (int poll = 0; poll < kPolls; ++poll) {
    EnumWindows(AnswerBox, reinterpret_cast<LPARAM>(&seen));
    const HWND main_window = FindWindowA("Main Window", nullptr);
    if (quit_sent && !main_window) {
      std::fclose(seen.log);
      return 0;
    }
    if (!quit_sent && main_window && IsWindowVisible(main_window) &&
        seen.answered.size() >= expected) {
      PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(kQuitCommand, 0), 0);
      quit_sent = true;
    }
    Sleep(kPollMilliseconds);
  }
  std::fclose(seen.log);
  return 1;
}
