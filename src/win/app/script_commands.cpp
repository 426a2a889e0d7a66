#include "win/app/script_commands.h"

#include <windows.h>

#include "core/script/autocad_run.h"
#include "core/script/script_files.h"
#include "resources/resource_ids.h"
#include "win/app/run_commands.h"
#include "win/platform/list_redraw_pause.h"

namespace drawlot {
namespace {

// Timer 2 of the main window paces the timed run.
class WindowRunTimer : public RunTimer {
 public:
  explicit WindowRunTimer(HWND window) : window_(window) {}
  void Start(int milliseconds) override {
    SetTimer(window_, TIMER_TIMED_RUN, static_cast<UINT>(milliseconds), nullptr);
  }
  void Stop() override { KillTimer(window_, TIMER_TIMED_RUN); }

 private:
  HWND window_;
};

RunContext ContextOf(Application& app) {
  return RunContext{app.owner(),  *app.rows,     app.current_items(),
                    app.settings, *app.launcher, app.prompter};
}

}  // namespace

void RunScriptCommand(Application& app, ScriptRowScope scope) {
  const RunMode mode =
      scope == ScriptRowScope::kSelected ? RunMode::kSelectedScript : RunMode::kAllScript;
  RunWatched(app, mode, [scope](const RunContext& run) { WriteScriptAndLaunch(run, scope); });
}

void RunPerRowCommand(Application& app) {
  RunWatched(app, RunMode::kPerRowLoop, [](const RunContext& run) { RunPerRow(run); });
}

void StartTimedRunCommand(Application& app) {
  WindowRunTimer timer(app.main_window);
  StartWatchedTimedRun(app,
                       [&](const RunContext& run) { StartTimedRun(app.timed_run, timer, run); });
}

void TimedRunTickCommand(Application& app) {
  if (!app.rows) return;  // a tick before the list exists has no run to pace
  WindowRunTimer timer(app.main_window);
  // A tick that comes while another run waits for AutoCAD is taken up one period later.
  if (app.run_active) return timer.Start(kTimedRunPeriod);
  if (!app.timed_watch) return TimedRunTick(app.timed_run, timer, ContextOf(app));
  WatchedTimedRunTick(app, [&](const RunContext& run) { TimedRunTick(app.timed_run, timer, run); });
}

void EndTimedRunCommand(Application& app) {
  WindowRunTimer timer(app.main_window);
  EndTimedRun(app.timed_run, timer);
  EndWatchedTimedRun(app);
}

void SaveScriptFileCommand(Application& app, ScriptRowScope scope) {
  if (!SaveScriptFile(app.owner(), *app.rows, scope, app.startup_folder, *app.pickers.file_name,
                      app.current_items(), app.settings, app.prompter)) {
    return;
  }
  app.prompter.Tell(app.owner(), kScriptSavedText, kScriptSavedTitle, Icon::kNone);
}

void SaveListToFileCommand(Application& app) {
  SaveListToFile(app.owner(), *app.rows, app.startup_folder, *app.pickers.file_name, app.prompter);
}

// The list stops repainting while the rows go in, not while the dialog is open over it.
void LoadListFromFileCommand(Application& app) {
  const auto chosen = app.pickers.file_name->PickFileName(
      ListFileDialog(app.owner(), FileDialogKind::kOpen, app.startup_folder));
  if (!chosen) return;  // the rows stay
  const ListRedrawPause pause(app.drawing_list);
  ReplaceListFromFile(app.owner(), *app.rows, *chosen, app.tags, app.prompter);
}

void EditScriptFileCommand(Application& app) {
  EditScriptFile(app.owner(), app.settings, app.notepad_program, *app.launcher, app.prompter);
}

}  // namespace drawlot
