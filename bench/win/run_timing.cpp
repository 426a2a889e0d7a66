// The run machinery's own cost per row: 100 rows run one AutoCAD process each (the blocking
// per-row loop, watched: progress, time limit, missing check, run record), with the CAD
// stand-in, which exits at once, against bare CreateProcessA and a wait on the same program.
// Time per row minus the 500 ms pause minus the bare process is what the program adds.
// Prints figures; asserts nothing.
// Run under Wine: tools/wine-run.sh drawlot_run_timing.exe [STAND-IN]
#include <windows.h>

#include <cstdio>
#include <string>

#include "core/list/list_rows.h"
#include "core/script/autocad_run.h"
#include "support/script_items.h"
#include "timing_clock.h"
#include "timing_list.h"
#include "win/platform/list_view_row_store.h"
#include "win/platform/process_launcher.h"

namespace {

using drawlot::testing::Item;
using drawlot::timing::Now;

constexpr int kRows = 100;

class NoPrompts : public drawlot::Prompter {
 public:
  drawlot::Answer Show(const drawlot::Message&) override { return drawlot::Answer::kYes; }
};

class SilentProgress : public drawlot::RunProgress {
 public:
  void DrawingStarted(int, int, std::string_view, int) override {}
  bool StopRequested() const override { return false; }
  bool EndProcessRequested() const override { return false; }
};

class SystemClock : public drawlot::RunClock {
 public:
  drawlot::LocalTime Now() const override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return drawlot::LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
  }
  std::uint64_t Milliseconds() const override { return GetTickCount64(); }
};

// The real launcher, timing what it spends in the processes and in the pauses, so that the
// rest is what the program itself spends per row.
class TimedLauncher : public drawlot::ProcessLauncher {
 public:
  drawlot::ProcessEnd RunAndWatch(const std::string& program, const std::string& line,
                                  std::uint64_t limit, const drawlot::RunWatch* watch) override {
    const double start = Now();
    const drawlot::ProcessEnd end = ProcessLauncher::RunAndWatch(program, line, limit, watch);
    in_processes += Now() - start;
    return end;
  }
  void Pause(int milliseconds) override {
    const double start = Now();
    ProcessLauncher::Pause(milliseconds);
    in_pauses += Now() - start;
  }
  double in_processes = 0;
  double in_pauses = 0;
};

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  const std::string own(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return own.substr(0, own.rfind('\\'));
}

std::string MakeFolder(const std::string& name) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

double BareProcessMilliseconds(const std::string& program, const std::string& line) {
  const double start = Now();
  for (int i = 0; i < kRows; ++i) {
    std::string copy = line;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), copy.data(), nullptr, nullptr, FALSE,
                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
      return -1;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hProcess);
  }
  return (Now() - start) / kRows;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string program =
      argc > 1 ? argv[1] : OwnFolder() + "\\..\\win\\drawlot_cad_standin.exe";
  const std::string work = MakeFolder("drawlot run timing");
  drawlot::ListViewRowStore rows(drawlot::timing::CreateTimingList());
  const drawlot::ItemSlots items = drawlot::testing::Slots(
      {Item().display(1), Item().display(2), Item().output(1).command("open")});
  drawlot::BuildColumns(rows, items);
  for (int i = 0; i < kRows; ++i) {
    const std::string name = "drawing" + std::to_string(i) + ".dwg";
    const HANDLE file = CreateFileA((work + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    const int row = rows.InsertRow(i, name, drawlot::kIconDwg, i + 1);
    rows.SetCell(row, 1, work);
  }
  drawlot::EnvironmentSettings settings{};
  settings.autocad_file = program;
  settings.temp_file = work + "\\run.scr";
  settings.end_file_dwg = work + "\\end.dwg";

  const double bare = BareProcessMilliseconds(program, " /b \"" + work + "\\run.scr\"");
  if (bare < 0) {
    std::printf("cannot start %s\n", program.c_str());
    return 1;
  }
  TimedLauncher launcher;
  NoPrompts prompter;
  SilentProgress progress;
  SystemClock clock;
  drawlot::RunSession session(drawlot::RunMode::kPerRowLoop, drawlot::RunSettings{60, true, true},
                              work, clock, progress);
  session.drawing_exists = [](const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  drawlot::RunContext run{0, rows, items, settings, launcher, prompter};
  run.session = &session;
  const double start = Now();
  drawlot::RunPerRow(run);
  const double per_row = (Now() - start) / kRows;
  std::printf("rows run                          %d (%zu not well)\n", session.RowsMet(),
              session.NotWell().size());
  std::printf("watched per-row run, per row       %8.1f ms\n", per_row);
  std::printf("  minus the 500 ms pause            %8.1f ms\n", per_row - 500.0);
  std::printf("  in the pauses (measured)          %8.1f ms\n", launcher.in_pauses / kRows);
  std::printf("  in AutoCAD's process (measured)   %8.1f ms\n", launcher.in_processes / kRows);
  std::printf("bare CreateProcess + wait, per row  %8.1f ms\n", bare);
  std::printf(
      "run machinery's own cost per row    %8.1f ms (script, record, missing check,\n"
      "                                               selection; all but process and pause)\n",
      per_row - (launcher.in_pauses + launcher.in_processes) / kRows);
  return 0;
}
