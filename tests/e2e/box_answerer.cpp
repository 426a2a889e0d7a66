// Drives a running Drawlot.exe from outside, as a user would. Each message box it answers is
// written to "boxes.txt" in the current folder as a "title|text" line (code page 932).
//
//   box_answerer.exe EXPECTED_BOX_COUNT
//     presses OK on every dialog it sees; once the main window is up and that many boxes were
//     answered, chooses the quit item of the menu bar.
//   box_answerer.exe --steps FILE
//     runs the steps of FILE (code page 932), one a line, each waiting up to 30 s for its window:
//       box TITLE        a dialog titled TITLE: log it, press OK
//       close TITLE      a dialog titled TITLE: press its close box
//       command ID       the main window (once visible) receives menu command ID
//       file PATH        a common file dialog: type PATH into its name field, press OK
//       press ID TITLE   a dialog titled TITLE: click its button ID
//       rclick X Y       a right click on the drawing list, X and Y in its client area, with
//       lclick X Y       the header's height added to Y (so "0 8" is the first row)
//       key VK           a key with virtual-key code VK pressed and released (115 is F4)
//       shot NAME        ask the caller for a screenshot: make "NAME.shot-request" and wait for
//                        "NAME.shot-done" (tools/photograph-all.sh answers)
//       quit             choose the quit item of the menu bar and wait for the window to go
//
// Exits 0 when everything was done and the main window has gone; 1 when a window never came
// (the step and the dialogs then on screen are written to stdout).
#include <windows.h>

#include <dlgs.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kQuitCommand = 27;
constexpr int kPolls = 600;
constexpr int kStepPolls = 300;
constexpr DWORD kPollMilliseconds = 100;

struct Dialogs {
  std::vector<HWND> visible;
};

BOOL CALLBACK CollectDialog(HWND window, LPARAM dialogs_address) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (std::string(class_name) == "#32770" && IsWindowVisible(window))
    reinterpret_cast<Dialogs*>(dialogs_address)->visible.push_back(window);
  return TRUE;
}

std::vector<HWND> VisibleDialogs() {
  Dialogs dialogs;
  EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs.visible;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string BoxText(HWND box) {
  char text[512] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static that holds a box's text
  return text;
}

HWND FileNameField(HWND dialog) {
  // A combo box (cmb13) in newer templates, an edit box (edt1) in older ones.
  const HWND name = GetDlgItem(dialog, cmb13);
  return name ? name : GetDlgItem(dialog, edt1);
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// A real click through the input queue, as the mouse would make it.
bool ClickList(HWND main_window, const std::string& where, DWORD down, DWORD up) {
  const HWND list = GetDlgItem(main_window, 300);
  if (!list) return false;
  int x = 0, y = 0;
  if (std::sscanf(where.c_str(), "%d %d", &x, &y) != 2) return false;
  RECT header = {};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, 0x101F /* LVM_GETHEADER */, 0, 0)),
                &header);
  POINT point = {x, y + (header.bottom - header.top)};
  ClientToScreen(list, &point);
  SetForegroundWindow(main_window);
  SetCursorPos(point.x, point.y);
  mouse_event(down, 0, 0, 0, 0);
  mouse_event(up, 0, 0, 0, 0);
  return true;
}

class Driver {
 public:
  explicit Driver(std::FILE* log) : log_(log) {}

  // Every dialog on screen is answered once; returns how many were new.
  std::size_t AnswerEveryDialog() {
    std::size_t count = 0;
    for (const HWND dialog : VisibleDialogs()) {
      if (!answered_.insert(dialog).second) continue;
      Log(dialog);
      PressButton(dialog, IDOK);
      ++count;
    }
    return count;
  }

  bool RunStep(const std::string& verb, const std::string& argument) {
    for (int poll = 0; poll < kStepPolls; ++poll) {
      if (TryStep(verb, argument)) return true;
      Sleep(kPollMilliseconds);
    }
    std::printf("step not done: %s %s\n", verb.c_str(), argument.c_str());
    for (const HWND dialog : VisibleDialogs())
      std::printf("  on screen: \"%s\" \"%s\"\n", WindowText(dialog).c_str(),
                  BoxText(dialog).c_str());
    return false;
  }

 private:
  bool TryStep(const std::string& verb, const std::string& argument) {
    const HWND main_window = FindWindowA("Main Window", nullptr);
    if (verb == "command") {
      // A window under a run or a modal dialog takes no commands: the step waits, as a user would.
      if (!main_window || !IsWindowVisible(main_window) || !IsWindowEnabled(main_window)) {
        return false;
      }
      PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(std::atoi(argument.c_str()), 0), 0);
      return true;
    }
    if (verb == "quit") {
      if (!main_window) return true;
      // Under a run the window takes no commands; the quit waits for the run to end.
      if (!IsWindowEnabled(main_window)) return false;
      if (!quit_sent_) PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(kQuitCommand, 0), 0);
      quit_sent_ = true;
      return false;
    }
    if (verb == "shot") return Photographed(argument);
    if (verb == "rclick" || verb == "lclick") {
      if (!main_window || !IsWindowVisible(main_window)) return false;
      return verb == "rclick"
                 ? ClickList(main_window, argument, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP)
                 : ClickList(main_window, argument, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    }
    if (verb == "press") return PressInDialog(argument);
    if (verb == "key") {
      const BYTE key = static_cast<BYTE>(std::atoi(argument.c_str()));
      keybd_event(key, 0, 0, 0);
      keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
      return true;
    }
    for (const HWND dialog : VisibleDialogs()) {
      if (answered_.count(dialog)) continue;
      if (verb == "file" && FileNameField(dialog)) {
        SetWindowTextA(FileNameField(dialog), argument.c_str());
        PressButton(dialog, IDOK);
      } else if ((verb == "box" || verb == "close") && WindowText(dialog) == argument) {
        if (verb == "box") {
          Log(dialog);
          PressButton(dialog, IDOK);
        } else {
          PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
      } else {
        continue;
      }
      answered_.insert(dialog);
      return true;
    }
    return false;
  }

  bool PressInDialog(const std::string& argument) {
    const std::size_t space = argument.find(' ');
    if (space == std::string::npos) return false;
    const std::string title = argument.substr(space + 1);
    for (const HWND dialog : VisibleDialogs()) {
      if (WindowText(dialog) != title) continue;
      PressButton(dialog, std::atoi(argument.c_str()));
      return true;
    }
    return false;
  }

  bool Photographed(const std::string& name) {
    const std::string request = name + ".shot-request";
    const std::string done = name + ".shot-done";
    if (!shot_requested_) {
      std::ofstream(request.c_str()).put('\n');
      shot_requested_ = true;
    }
    if (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    DeleteFileA(request.c_str());
    DeleteFileA(done.c_str());
    shot_requested_ = false;
    return true;
  }

  void Log(HWND box) {
    std::fprintf(log_, "%s|%s\n", WindowText(box).c_str(), BoxText(box).c_str());
    std::fflush(log_);
  }

  std::FILE* log_;
  std::set<HWND> answered_;
  bool quit_sent_ = false;
  bool shot_requested_ = false;
};

int AnswerThenQuit(Driver& driver, std::size_t expected_boxes) {
  bool quit_sent = false;
  std::size_t answered = 0;
  for (int poll = 0; poll < kPolls; ++poll) {
    answered += driver.AnswerEveryDialog();
    const HWND main_window = FindWindowA("Main Window", nullptr);
    if (quit_sent && !main_window) return 0;
    if (!quit_sent && main_window && IsWindowVisible(main_window) && answered >= expected_boxes) {
      PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(kQuitCommand, 0), 0);
      quit_sent = true;
    }
    Sleep(kPollMilliseconds);
  }
  return 1;
}

int RunSteps(Driver& driver, const char* path) {
  std::ifstream steps(path, std::ios::binary);
  if (!steps) return 2;
  std::string line;
  while (std::getline(steps, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    const std::string verb = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    if (!driver.RunStep(verb, argument)) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::FILE* log = std::fopen("boxes.txt", "wb");
  if (!log) return 2;
  Driver driver(log);
  int status = 0;
  if (argc > 2 && std::string(argv[1]) == "--steps") {
    status = RunSteps(driver, argv[2]);
    // Started through a Wine desktop, the exit code is lost: the caller also finds it here.
    std::ofstream("steps.result") << status << '\n';
  } else {
    status = AnswerThenQuit(driver, argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 0);
  }
  std::fclose(log);
  return status;
}
