// The run machinery's own cost per row: 100 rows run one AutoCAD process each (毎行(１処理)
// on a real main window: the engine, its messages, the waiters, the progress window, the
// missing check, the run record), with the CAD stand-in, which exits at once, against bare
// CreateProcessA and a wait on the same program. Time per row minus the 500 ms pause minus the
// time in AutoCAD's process is what the program adds. Prints figures; asserts nothing.
// With --batches: 100 drawings with the stand-in made to behave like AutoCAD (1.5 s to start,
// 0.1 s a drawing), for several (drawings per start, AutoCADs at once), and each speed-up.
// Run under Wine: tools/wine-run.sh drawlot_run_timing.exe [--batches] [STAND-IN]
#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/script/autocad_run.h"
#include "resources/resource_ids.h"
#include "support/script_items.h"
#include "timing_clock.h"
#include "win/app/main_window.h"
#include "win/app/run_commands.h"
#include "win/platform/process_launcher.h"

namespace {

using drawlot::testing::Item;
using drawlot::timing::Now;

constexpr int kRows = 100;

class NoPrompts : public drawlot::Prompter {
 public:
  drawlot::Answer Show(const drawlot::Message&) override { return drawlot::Answer::kYes; }
};

// The real launcher, timing each process from its start to its end's report.
class TimedLauncher : public drawlot::ProcessLauncher {
 public:
  std::unique_ptr<drawlot::WatchedProcess> StartWatched(const std::string& program,
                                                        const std::string& line,
                                                        std::uint64_t limit,
                                                        drawlot::ProcessReports reports) override {
    const double start = Now();
    return ProcessLauncher::StartWatched(
        program, line, limit, [this, start, reports](const drawlot::ProcessReport& report) {
          if (!report.deadline_passed) {
            const std::lock_guard<std::mutex> hold(lock);
            in_processes += Now() - start;
          }
          reports(report);
        });
  }
  std::mutex lock;
  double in_processes = 0;
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

void WriteBytes(const std::string& path, const std::string& bytes) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The main window over `work` with kRows rows whose drawings are there.
HWND OpenWindow(drawlot::Application& app, const std::string& work, const std::string& program) {
  drawlot::RegisterMainWindowClass(app.instance);
  const HWND window = drawlot::CreateMainWindow(app);
  if (const HWND environment = FindWindowA("#32770", "環境設定")) DestroyWindow(environment);
  app.items.sets[0].items = drawlot::testing::Slots(
      {Item().display(1), Item().display(2), Item().output(1).command("open")});
  drawlot::BuildColumns(*app.rows, app.current_items());
  for (int i = 0; i < kRows; ++i) {
    const std::string name = "drawing" + std::to_string(i) + ".dwg";
    WriteBytes(work + "\\" + name, "");
    const int row = app.rows->InsertRow(i, name, drawlot::kIconDwg, app.tags.Next());
    app.rows->SetCell(row, 1, work);
  }
  app.settings.autocad_file = program;
  app.settings.temp_file = work + "\\run.scr";
  app.settings.end_file_dwg = work + "\\end.dwg";
  return window;
}

// 毎行(１処理) over every row, to its end, as the message loop runs it; its wall time in ms.
double RunEveryRow(drawlot::Application& app, HWND window) {
  for (int row = 0; row < app.rows->RowCount(); ++row) drawlot::UnmarkRow(*app.rows, row);
  const double start = Now();
  SendMessageA(window, WM_COMMAND, IDM_RUN_PER_ROW, 0);
  MSG message;
  while (app.run && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return Now() - start;
}

// The stand-in made to behave like a real AutoCAD, scaled down: 1.5 s to start, 0.1 s a
// drawing. Wall time of 100 drawings for each (drawings per start, AutoCADs at once).
int Batches(const std::string& standin, const std::string& work) {
  const std::string cad = MakeFolder("drawlot batch timing cad");
  const std::string program = cad + "\\acad.exe";
  if (!CopyFileA(standin.c_str(), program.c_str(), FALSE)) {
    std::printf("cannot copy %s\n", standin.c_str());
    return 1;
  }
  WriteBytes(cad + "\\standin.wait", "1500");
  WriteBytes(cad + "\\standin.per_drawing", "100");
  NoPrompts prompter;
  drawlot::Application app(work, prompter, GetModuleHandleA(nullptr));
  const HWND window = OpenWindow(app, work, program);
  const std::pair<int, int> shapes[] = {{1, 1}, {5, 1}, {10, 1}, {5, 2}, {10, 4}};
  double first = 0;
  std::printf("100 drawings, AutoCAD 1.5 s to start and 0.1 s a drawing\n");
  for (const auto& [per_start, parallel] : shapes) {
    app.program_settings.run = drawlot::RunSettings{0, true, false, per_start, parallel};
    const double ms = RunEveryRow(app, window);
    if (first == 0) first = ms;
    std::printf("  %2d a start, %d at once   %8.1f s   %5.1f x\n", per_start, parallel, ms / 1000,
                first / ms);
  }
  DestroyWindow(window);
  return 0;
}

int main(int argc, char** argv) {
  const bool batches = argc > 1 && std::string(argv[1]) == "--batches";
  if (batches) {
    --argc;
    ++argv;
  }
  const std::string program =
      argc > 1 ? argv[1] : OwnFolder() + "\\..\\win\\drawlot_cad_standin.exe";
  const std::string work = MakeFolder("drawlot run timing");
  if (batches) return Batches(program, work);
  const double bare = BareProcessMilliseconds(program, " /b \"" + work + "\\run.scr\"");
  if (bare < 0) {
    std::printf("cannot start %s\n", program.c_str());
    return 1;
  }
  NoPrompts prompter;
  drawlot::Application app(work, prompter, GetModuleHandleA(nullptr));
  auto owned = std::make_unique<TimedLauncher>();
  TimedLauncher& launcher = *owned;
  app.launcher = std::move(owned);
  const HWND window = OpenWindow(app, work, program);
  app.program_settings.run = drawlot::RunSettings{60, true, true};
  const double per_row = RunEveryRow(app, window) / kRows;
  const double pauses = drawlot::kRunPauseMilliseconds * (kRows - 1.0) / kRows;
  std::printf("rows run                          %d (%d left selected)\n", kRows,
              app.rows->SelectedCount());
  std::printf("watched per-row run, per row       %8.1f ms\n", per_row);
  std::printf("  in the 500 ms pauses              %8.1f ms\n", pauses);
  std::printf("  in AutoCAD's process (measured)   %8.1f ms\n", launcher.in_processes / kRows);
  std::printf("bare CreateProcess + wait, per row  %8.1f ms\n", bare);
  std::printf(
      "run machinery's own cost per row    %8.1f ms (script, record, missing check, messages,\n"
      "                                               selection; all but process and pause)\n",
      per_row - pauses - launcher.in_processes / kRows);
  DestroyWindow(window);
  return 0;
}
