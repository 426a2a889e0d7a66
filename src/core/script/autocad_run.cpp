#include "core/script/autocad_run.h"

#include <algorithm>

#include "core/list/row_marks.h"

namespace drawlot {
namespace {

std::vector<int> RowsOfScope(const RowStore& rows, ScriptRowScope scope) {
  std::vector<int> targets;
  if (scope != ScriptRowScope::kAll) {
    for (int row = rows.NextSelectedRow(); row != kNoRow; row = rows.NextSelectedRow(row)) {
      targets.push_back(row);
    }
  }
  if (targets.empty() && scope != ScriptRowScope::kSelected) {
    for (int row = 0; row < rows.RowCount(); ++row) targets.push_back(row);
  }
  return targets;
}

// Before a watched run: the rows among `targets` whose drawing is not there. False when the user
// chose to run nothing; otherwise `missing` holds the rows to leave out.
bool CheckMissing(const RunContext& run, const std::vector<int>& targets,
                  std::vector<int>& missing) {
  missing.clear();
  if (!run.session->settings().check_missing || !run.session->drawing_exists) return true;
  missing = MissingDrawings(run.rows, run.items, targets, run.session->drawing_exists);
  if (missing.empty()) return true;
  return ConfirmLeavingOut(run.prompter, run.owner, run.rows, run.items, missing) &&
         missing.size() < targets.size();
}

// The rows of a per-row run not reached after "中止" or a failure: they stay to be run again.
void KeepRest(const RunContext& run, bool selected_rows, int next_index, int count) {
  if (selected_rows) {
    for (int row = run.rows.NextSelectedRow(); row != kNoRow; row = run.rows.NextSelectedRow(row)) {
      run.session->NotReached(row);
    }
    return;
  }
  for (int row = next_index; row < count; ++row) run.session->NotReached(row);
}

// A row found missing before the run: recorded, unmarked as if written, never started.
bool PassLeftOut(const RunContext& run, int row) {
  if (!run.session || !run.session->IsLeftOut(row)) return false;
  run.session->Missing(row, FactsOf(run.rows, run.items, row));
  UnmarkRow(run.rows, row);
  return true;
}

bool StopAsked(const RunContext& run) {
  return run.session && run.session->progress().StopRequested();
}

std::string ScriptPath(const RunContext& run) {
  return std::string(run.settings.temp_file.view());
}

// One row's script into `temp_file` and AutoCAD on it. False when the loop must stop (the
// failure's box has been shown).
bool RunOneRow(const RunContext& run, int row) {
  const RowScriptResult result = WriteRowScript(run.owner, run.rows, row, ScriptPath(run),
                                                run.items, run.settings, run.prompter);
  if (result != RowScriptResult::kWritten) return false;
  if (run.session) run.session->Begin(row, FactsOf(run.rows, run.items, row));
  return LaunchAutoCad(run);
}

// A run started on selected rows unmarks each row it writes; once none is left the rows after
// the last selected one are skipped, not run as if the whole list had been asked for.
// The row of this tick is one left out as missing (and the one the run would write now).
bool LeftOutAtTick(const TimedRun& state, const RunContext& run) {
  if (!run.session || !run.session->IsLeftOut(state.row_index)) return false;
  if (state.row_index >= run.rows.RowCount()) return false;
  if (state.selected_rows_only && run.rows.NextSelectedRow() != state.row_index) return false;
  return PassLeftOut(run, state.row_index);
}

void EndTimedRunEarly(const TimedRun& state, const RunContext& run, int next_index) {
  if (run.session) KeepRest(run, state.selected_rows_only, next_index, state.row_count);
}

RowScriptResult WriteTickRow(const TimedRun& state, const RunContext& run) {
  if (state.selected_rows_only && run.rows.RowCount() > 0 && run.rows.NextSelectedRow() == kNoRow) {
    return RowScriptResult::kSkipped;
  }
  return WriteRowScript(run.owner, run.rows, state.row_index, ScriptPath(run), run.items,
                        run.settings, run.prompter);
}

// The missing check and the count of a per-row run. False when the user chose to run nothing.
bool PrepareRowRun(const RunContext& run, bool selected_rows) {
  const std::vector<int> targets =
      RowsOfScope(run.rows, selected_rows ? ScriptRowScope::kSelected : ScriptRowScope::kAll);
  std::vector<int> missing;
  if (!CheckMissing(run, targets, missing)) return false;
  run.session->LeaveOut(std::move(missing));
  run.session->SetTotal(static_cast<int>(targets.size()));
  return true;
}

void ArmNextTick(TimedRun& state, RunTimer& timer) {
  state.armed = true;
  timer.Start(kTimedRunPeriod);
}

void NextTick(TimedRun& state, RunTimer& timer) {
  if (++state.row_index < state.row_count) ArmNextTick(state, timer);
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
  const std::string program(run.settings.autocad_file.view());
  if (run.session) {
    const ProcessEnd end = run.launcher.RunAndWatch(
        program, *command_line, run.session->TimeLimitMilliseconds(run.session->drawings()),
        &run.session->progress());
    run.session->End(end);
    if (end.kind != ProcessEndKind::kNotStarted) return true;
  } else if (run.launcher.RunAndWait(program, *command_line)) {
    return true;
  }
  run.prompter.Tell(run.owner, kCannotStartText, kCannotStartTitle, Icon::kNone);
  return false;
}

namespace {

// The single script of a watched run: missing drawings left out (and left selected), the rest
// written and run as one process of N drawings.
bool WriteWatchedScriptAndLaunch(const RunContext& run, ScriptRowScope scope) {
  const std::vector<int> targets = RowsOfScope(run.rows, scope);
  std::vector<int> missing;
  if (!CheckMissing(run, targets, missing)) return false;
  if (!missing.empty()) {
    // The rows to run become the selection, so the writer takes exactly them.
    for (int row = 0; row < run.rows.RowCount(); ++row) UnmarkRow(run.rows, row);
    for (int row : targets) {
      if (!run.session->IsLeftOut(row) &&
          std::find(missing.begin(), missing.end(), row) == missing.end()) {
        MarkRow(run.rows, row);
      }
    }
    scope = ScriptRowScope::kSelected;
  }
  if (!WriteScript(run.owner, run.rows, scope, ScriptPath(run), run.items, run.settings,
                   run.prompter)) {
    return false;
  }
  for (int row : missing) MarkRow(run.rows, row);
  const int drawings = static_cast<int>(targets.size() - missing.size());
  run.session->SetTotal(1);
  run.session->Begin(-1, DrawingFacts{std::to_string(drawings) + " 図面", {}, {}}, drawings);
  return LaunchAutoCad(run);
}

}  // namespace

bool WriteScriptAndLaunch(const RunContext& run, ScriptRowScope scope) {
  if (!CheckScriptPathFits(run)) return false;
  if (run.session) return WriteWatchedScriptAndLaunch(run, scope);
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
  if (run.session && !PrepareRowRun(run, selected_rows)) return;
  for (int index = 0; index < count; ++index) {
    const int row = selected_rows ? run.rows.NextSelectedRow() : index;
    if (row == kNoRow) return;
    if (PassLeftOut(run, row)) continue;
    if (!RunOneRow(run, row) || StopAsked(run)) {
      if (run.session) KeepRest(run, selected_rows, index + 1, count);
      return;
    }
    run.launcher.Pause(kRunPauseMilliseconds);
  }
}

void StartTimedRun(TimedRun& state, RunTimer& timer, const RunContext& run) {
  if (!CheckScriptPathFits(run)) return;
  state.row_count = run.rows.RowCount();
  state.row_index = 0;
  state.selected_rows_only = run.rows.NextSelectedRow() != kNoRow;
  state.armed = false;
  if (run.session && state.row_count > 0 && !PrepareRowRun(run, state.selected_rows_only)) return;
  ArmNextTick(state, timer);
}

void TimedRunTick(TimedRun& state, RunTimer& timer, const RunContext& run) {
  timer.Stop();
  if (!state.armed) return;
  state.armed = false;
  // The environment dialog may have changed the script path while the run was armed.
  if (!CheckScriptPathFits(run)) return;
  if (StopAsked(run)) return EndTimedRunEarly(state, run, state.row_index);
  if (LeftOutAtTick(state, run)) return NextTick(state, timer);
  const RowScriptResult result = WriteTickRow(state, run);
  if (result == RowScriptResult::kFailed) return;
  if (result == RowScriptResult::kWritten) {
    if (run.session)
      run.session->Begin(state.row_index, FactsOf(run.rows, run.items, state.row_index));
    if (!LaunchAutoCad(run)) return EndTimedRunEarly(state, run, state.row_index + 1);
    if (StopAsked(run)) return EndTimedRunEarly(state, run, state.row_index + 1);
  }
  NextTick(state, timer);
}

void EndTimedRun(TimedRun& state, RunTimer& timer) {
  if (state.armed) timer.Stop();
  state.armed = false;
}

}  // namespace drawlot
