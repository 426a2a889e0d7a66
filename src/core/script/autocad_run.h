// Running AutoCAD on the script: one script for many rows and one process, one process per row
// in a blocking loop, and one process per row paced by a window timer so that the main window
// handles its messages between rows. The program is `autocad_file`, the script `temp_file`.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/launcher.h"
#include "core/platform/prompter.h"
#include "core/script/script_writer.h"

namespace drawlot {

inline constexpr std::string_view kCannotStartText =
    "環境設定でAutoCad在処を正しく設定して下さい。";
inline constexpr std::string_view kCannotStartTitle = "AutoCadが起動出来ません。";
inline constexpr std::string_view kScriptPathTooLongText =
    "実行スクリプトファイルのパスが長すぎます。環境設定で253バイト以内にして下さい。";

// The command line is built in a 260-byte buffer: " /b \"", the path, "\"" and the terminator.
inline constexpr std::size_t kMaxScriptPathBytes = 253;
// The pause after each run of the blocking loop, and the period of the timed run's timer.
inline constexpr int kRunPauseMilliseconds = 500;
inline constexpr int kTimedRunPeriod = 500;

// Everything a run works with.
struct RunContext {
  WindowRef owner;
  RowStore& rows;
  const ItemSlots& items;
  const EnvironmentSettings& settings;
  Launcher& launcher;
  Prompter& prompter;
};

// " /b \"<script path>\"": AutoCAD runs the script at start. The command line carries no
// program name of its own. nullopt for a path longer than 253 bytes, which does not fit.
std::optional<std::string> AutoCadCommandLine(std::string_view script_path);

// True when `temp_file` fits the command line; otherwise shows why nothing can be started.
bool CheckScriptPathFits(const RunContext& run);

// Starts `autocad_file` on `temp_file` and returns when AutoCAD has ended. When it cannot be
// started, shows "環境設定でAutoCad在処を正しく設定して下さい。" and returns false.
bool LaunchAutoCad(const RunContext& run);

// The script-and-run commands: the script of the rows of `scope` into `temp_file`, then
// AutoCAD on it. Returns false when nothing ran.
bool WriteScriptAndLaunch(const RunContext& run, ScriptRowScope scope);

// One AutoCAD process per row, blocking: the selected rows (each unmarked once its script is
// written), or every row when none is selected. Each run writes `temp_file` anew with the
// row's block and the trailer; the loop stops at the first failure.
void RunPerRow(const RunContext& run);

// Starts and stops the timed run's window timer (timer 2 of the main window).
class RunTimer {
 public:
  virtual ~RunTimer() = default;
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
};

// The timed run: the row count when it was started, the row the next tick handles, whether
// it was started on selected rows, and whether a tick is awaited at all.
struct TimedRun {
  int row_count = 0;
  int row_index = 0;
  bool selected_rows_only = false;
  bool armed = false;
};

// Arms the run at row 0 with the current row count, also when a run is armed already.
void StartTimedRun(TimedRun& state, RunTimer& timer, const RunContext& run);

// One tick: the timer is stopped, the row at the run's index is written (or skipped when rows
// are selected and it is not the first of them, or when a run started on selected rows has
// none left) and AutoCAD runs on a written row; the timer
// is started again for the next row, until the last row, a failure or a launch that failed.
// A tick of a run that is not armed does nothing.
void TimedRunTick(TimedRun& state, RunTimer& timer, const RunContext& run);

// Ends an armed run without another tick (the main window closes).
void EndTimedRun(TimedRun& state, RunTimer& timer);

}  // namespace drawlot
