#include "core/script/autocad_run.h"

namespace drawlot {
namespace {

std::string ScriptPath(const RunContext& run) {
  return std::string(run.settings.temp_file.view());
}

// One row's script into `temp_file` and AutoCAD on it. False when the loop must stop (the
// failure's box has been shown).
bool RunOneRow(const RunContext& run, int row) {
  const RowScriptResult result = WriteRowScript(run.owner, run.rows, row, ScriptPath(run),
                                                run.items, run.settings, run.prompter);
  return result == RowScriptResult::kWritten && LaunchAutoCad(run);
}

// A run started on selected rows unmarks each row it writes; once none is left the rows after
// the last selected one are skipped, not run as if the whole list had been asked for.
RowScriptResult WriteTickRow(const TimedRun& state, const RunContext& run) {
  if (state.selected_rows_only && run.rows.RowCount() > 0 && run.rows.NextSelectedRow() == kNoRow) {
    return RowScriptResult::kSkipped;
  }
  return WriteRowScript(run.owner, run.rows, state.row_index, ScriptPath(run), run.items,
                        run.settings, run.prompter);
}

void ArmNextTick(TimedRun& state, RunTimer& timer) {
  state.armed = true;
  timer.Start(kTimedRunPeriod);
}

}  // namespace

std::optional<std::string> AutoCadCommandLine(std::string_view script_path) {
  if (script_path.size() > kMaxScriptPathBytes) return std::nullopt;
  std::string line = " /b \"";
  line.append(script_path);
  line.push_back('"');
  return line;
}

bool CheckScriptPathFits(const RunContext& run) {
  if (run.settings.temp_file.view().size() <= kMaxScriptPathBytes) return true;
  run.prompter.Tell(run.owner, kScriptPathTooLongText, kCannotStartTitle, Icon::kWarning);
  return false;
}

bool LaunchAutoCad(const RunContext& run) {
  // A path that does not fit is refused whole: cut short, it would name another file.
  const std::optional<std::string> command_line = AutoCadCommandLine(run.settings.temp_file.view());
  if (!command_line) return CheckScriptPathFits(run);
  if (run.launcher.RunAndWait(std::string(run.settings.autocad_file.view()), *command_line)) {
    return true;
  }
  run.prompter.Tell(run.owner, kCannotStartText, kCannotStartTitle, Icon::kNone);
  return false;
}

bool WriteScriptAndLaunch(const RunContext& run, ScriptRowScope scope) {
  if (!CheckScriptPathFits(run)) return false;
  if (!WriteScript(run.owner, run.rows, scope, ScriptPath(run), run.items, run.settings,
                   run.prompter)) {
    return false;
  }
  return LaunchAutoCad(run);
}

void RunPerRow(const RunContext& run) {
  if (!CheckScriptPathFits(run)) return;
  const int count = run.rows.RowCount();
  if (count == 0) {
    run.prompter.Tell(run.owner, kEmptyListText, kEmptyListTitle, Icon::kWarning);
    return;
  }
  // With a selection, each pass takes the first selected row, which its write unmarks. The
  // list cannot change while the loop blocks, so `count` passes are enough either way.
  const bool selected_rows = run.rows.NextSelectedRow() != kNoRow;
  for (int index = 0; index < count; ++index) {
    const int row = selected_rows ? run.rows.NextSelectedRow() : index;
    if (row == kNoRow) return;
    if (!RunOneRow(run, row)) return;
    run.launcher.Pause(kRunPauseMilliseconds);
  }
}

void StartTimedRun(TimedRun& state, RunTimer& timer, const RunContext& run) {
  if (!CheckScriptPathFits(run)) return;
  state.row_count = run.rows.RowCount();
  state.row_index = 0;
  state.selected_rows_only = run.rows.NextSelectedRow() != kNoRow;
  ArmNextTick(state, timer);
}

void TimedRunTick(TimedRun& state, RunTimer& timer, const RunContext& run) {
  timer.Stop();
  if (!state.armed) return;
  state.armed = false;
  // The environment dialog may have changed the script path while the run was armed.
  if (!CheckScriptPathFits(run)) return;
  const RowScriptResult result = WriteTickRow(state, run);
  if (result == RowScriptResult::kFailed) return;
  if (result == RowScriptResult::kWritten && !LaunchAutoCad(run)) return;
  if (++state.row_index < state.row_count) ArmNextTick(state, timer);
}

void EndTimedRun(TimedRun& state, RunTimer& timer) {
  if (state.armed) timer.Stop();
  state.armed = false;
}

}  // namespace drawlot
