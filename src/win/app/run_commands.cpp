#include "win/app/run_commands.h"

#include <shellapi.h>

#include <memory>

#include "core/list/list_file.h"
#include "core/text/file_io.h"
#include "win/app/main_window.h"
#include "win/platform/local_clock.h"
#include "win/script/run_progress_window.h"
#include "win/script/run_settings_dialog.h"

namespace drawlot {

namespace {

class SystemClock : public RunClock {
 public:
  LocalTime Now() const override { return LocalTimeNow(); }
  std::uint64_t Milliseconds() const override { return GetTickCount64(); }
};

// The progress window, opened when the first drawing starts (after any box before the run, so
// that no box re-enables the main window under the run), and the main window's input: off while
// AutoCAD runs; between the rows of a timed run on again.
class RunDisplay : public RunProgress {
 public:
  RunDisplay(Application& app, bool usable_between_rows)
      : app_(app), usable_between_rows_(usable_between_rows) {}
  ~RunDisplay() override { Finish(); }

  void DrawingStarted(int number, int total, std::string_view drawing, int drawings) override {
    if (!window_) {
      window_ = MakeRunProgressWindow(app_.dialog_context());
      window_->Open();
    }
    EnableWindow(app_.main_window, FALSE);
    window_->DrawingStarted(number, total, drawing, drawings);
  }
  void DrawingEnded() override {
    if (window_) window_->DrawingEnded();
    if (usable_between_rows_) EnableWindow(app_.main_window, TRUE);
  }
  bool StopRequested() const override { return window_ && window_->StopRequested(); }
  bool EndProcessRequested() const override { return window_ && window_->EndProcessRequested(); }

  // The main window first, so that it gets the activation back when the window closes.
  void Finish() {
    EnableWindow(app_.main_window, TRUE);
    if (window_) window_->Close();
    window_.reset();
  }

 private:
  Application& app_;
  bool usable_between_rows_;
  std::unique_ptr<RunProgressWindow> window_;
};

bool DrawingExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A crash or a power cut during an hours-long run must not lose the list. Not when
// "listview.ini" was kept unread at start: it is left exactly as it is.
void SaveListBeforeRun(Application& app) {
  if (!app.startup_reads.list_loaded) return;
  SaveList(app.owner(), *app.rows, JoinPath(app.startup_folder, kListFileName), app.prompter);
}

bool IsPerRow(RunMode mode) {
  return mode == RunMode::kPerRowLoop || mode == RunMode::kPerRowTimed;
}

}  // namespace

struct ActiveRun {
  ActiveRun(Application& app, RunMode mode)
      : display(app, mode == RunMode::kPerRowTimed),
        session(mode, app.program_settings.run, app.startup_folder, clock, display) {
    session.drawing_exists = DrawingExists;
  }
  SystemClock clock;
  RunDisplay display;
  RunSession session;
};

void ActiveRunDeleter::operator()(ActiveRun* run) const {
  delete run;
}

namespace {

RunContext WatchedContext(Application& app, ActiveRun& active) {
  RunContext context{app.owner(),  *app.rows,     app.current_items(),
                     app.settings, *app.launcher, app.prompter};
  context.session = &active.session;
  return context;
}

// The run is over: the window back, the failures selected and told, the record's trouble told
// once, the status bar's word on it.
void FinishRun(Application& app, ActiveRun& active) {
  active.display.Finish();
  const RunSession& session = active.session;
  if (session.RowsMet() == 0) return;  // nothing ran: the selection stays as it was
  if (IsPerRow(session.mode())) {
    SelectRowsThatDidNotEndWell(*app.rows, session, app.prompter, app.owner());
  }
  if (session.RecordFailed()) {
    app.prompter.Tell(app.owner(), "実行記録 drawlot_run.csv に書き込めません。", "実行記録",
                      Icon::kWarning);
  }
  app.last_run_status = RunStatusText(session);
  RefreshStatusBar(app);
}

// No command runs under a run; a tick of an armed timed run waits for the next period.
class RunGuard {
 public:
  explicit RunGuard(Application& app) : app_(app) { app_.run_active = true; }
  ~RunGuard() { app_.run_active = false; }

 private:
  Application& app_;
};

}  // namespace

void RunWatched(Application& app, RunMode mode,
                const std::function<void(const RunContext&)>& body) {
  if (app.run_active) return;
  SaveListBeforeRun(app);
  ActiveRun active(app, mode);
  {
    const RunGuard guard(app);
    body(WatchedContext(app, active));
  }
  FinishRun(app, active);
}

void StartWatchedTimedRun(Application& app, const std::function<void(const RunContext&)>& start) {
  if (app.run_active) return;
  app.timed_watch.reset();  // a run armed already starts over
  SaveListBeforeRun(app);
  std::unique_ptr<ActiveRun, ActiveRunDeleter> active(new ActiveRun(app, RunMode::kPerRowTimed));
  start(WatchedContext(app, *active));
  if (app.timed_run.armed) app.timed_watch = std::move(active);
}

void WatchedTimedRunTick(Application& app, const std::function<void(const RunContext&)>& tick) {
  if (!app.timed_watch) return;
  {
    const RunGuard guard(app);
    tick(WatchedContext(app, *app.timed_watch));
  }
  if (app.timed_run.armed) return;
  FinishRun(app, *app.timed_watch);
  app.timed_watch.reset();
}

void EndWatchedTimedRun(Application& app) {
  app.timed_watch.reset();
}

void RunSettingsCommand(Application& app) {
  RunRunSettingsDialog(app.dialog_context(), app.program_settings.run);
}

void OpenRunRecordCommand(Application& app) {
  const std::string path = JoinPath(app.startup_folder, kRunRecordFileName);
  if (!DrawingExists(path)) {
    app.prompter.Tell(app.owner(), "実行記録はまだありません。", "実行記録", Icon::kNone);
    return;
  }
  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteA(app.main_window, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (opened > 32) return;
  if (!app.launcher->Start(app.notepad_program, "notepad.exe \"" + path + "\"")) {
    app.prompter.Tell(app.owner(), "notepad.exeが見つかりませんでした。", "実行記録", Icon::kNone);
  }
}

}  // namespace drawlot
