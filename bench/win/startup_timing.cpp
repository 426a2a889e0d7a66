// How long the real Drawlot.exe takes from its process start to a drawing list that answers:
// the program is started in the current folder, and the clock stops once its main window is
// visible and the window's thread answers a message sent to the list. The program is then told
// to quit and waited for; a run that does not end with 0 counts as failed. Prints the figure of
// each run and their median; asserts nothing. Run through bench/win/printer_timing.sh, which makes
// the queues and the workspace. With "bare" after the label the program is the bench's bare
// window (bare_window.cpp), which quits by itself once its window is shown: the clock stops
// when it has ended, with 0. With "against BARE" the two take turns, a start of the bare window
// before each of the program's, and the median of the pairs' ratios is printed as well: on a
// shared machine whose speed changes from one second to the next, the pairs see the same moment.
//
//   drawlot_startup_timing.exe PROGRAM RUNS LABEL [bare | against BARE]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "timing_clock.h"

namespace {

constexpr char kMainWindowClass[] = "Main Window";
constexpr double kGiveUpMs = 60000;

using drawlot::timing::Now;

struct Search {
  DWORD process;
  HWND found;
};

// Other Wine programs on the same desktop may show windows of the same class: only the one of
// the started process counts.
BOOL CALLBACK FindMainWindow(HWND window, LPARAM search_address) {
  auto* search = reinterpret_cast<Search*>(search_address);
  char class_name[32] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && std::string(class_name) == kMainWindowClass &&
      IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from the process start to the answer of its list (to its end, when `bare`);
// negative when none came or the program did not end cleanly.
double TimeOneStart(const std::string& program, bool bare) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + program + "\"";
  const double start = Now();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return -1;
  }
  double answered = -1;
  Search search{process.dwProcessId, nullptr};
  if (bare && WaitForSingleObject(process.hProcess, kGiveUpMs) == WAIT_OBJECT_0) {
    answered = Now() - start;
  }
  while (!bare && Now() - start < kGiveUpMs) {
    search.found = nullptr;
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
    const HWND list = search.found ? GetDlgItem(search.found, IDC_DRAWING_LIST) : nullptr;
    DWORD_PTR rows = 0;
    if (list && SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &rows)) {
      answered = Now() - start;
      PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
      break;
    }
    Sleep(1);
  }
  // Quit at once: the printers may still be being read, and the program must end cleanly.
  DWORD exit_code = 1;
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  } else {
    GetExitCodeProcess(process.hProcess, &exit_code);
  }
  if (exit_code != 0) answered = -1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return answered;
}

// The figures of one series and their median, on one line.
void PrintSeries(const char* label, const char* what, std::vector<double> figures) {
  std::printf("%-10s %s:", label, what);
  for (const double figure : figures) std::printf(" %7.1f", figure);
  std::sort(figures.begin(), figures.end());
  std::printf(" ms; median %7.1f ms\n", figures[figures.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const bool bare = argc == 5 && std::string(argv[4]) == "bare";
  const bool against = argc == 6 && std::string(argv[4]) == "against";
  if (argc != 4 && !bare && !against) {
    std::fprintf(stderr,
                 "usage: drawlot_startup_timing.exe PROGRAM RUNS LABEL [bare | against BARE]\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[2]));
  std::vector<double> figures;
  std::vector<double> bare_figures;
  std::vector<double> ratios;
  for (int run = 0; run < runs; ++run) {
    // Against the bare window, each start of the program follows one of the bare window's, so
    // that both see the machine as it is at that moment.
    const double bare_figure = against ? TimeOneStart(argv[5], true) : 0;
    const double figure = TimeOneStart(argv[1], bare);
    if (figure < 0 || bare_figure < 0) {
      std::printf("%s: no answer, or no clean end\n", argv[3]);
      return 1;
    }
    figures.push_back(figure);
    if (against) {
      bare_figures.push_back(bare_figure);
      ratios.push_back(figure / bare_figure);
    }
  }
  PrintSeries(argv[3], bare ? "bare window, start to end" : "start-up to a list that answers",
              figures);
  if (!against) return 0;
  PrintSeries(argv[3], "bare window, start to end", bare_figures);
  std::sort(ratios.begin(), ratios.end());
  std::printf("%-10s start-up / bare window, median of the pairs: %.2f\n", argv[3],
              ratios[ratios.size() / 2]);
  return 0;
}
