#include "win/app/run_commands.h"

#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "core/drawing/drawing_file.h"
#include "core/list/list_file.h"
#include "core/list/row_marks.h"
#include "core/script/autocad_run.h"
#include "core/script/run_check.h"
#include "core/script/run_history.h"
#include "core/script/run_journal.h"
#include "core/text/file_io.h"
#include "resources/resource_ids.h"
#include "win/app/main_window.h"
#include "win/app/printer_startup.h"
#include "win/platform/input_off.h"
#include "win/platform/local_clock.h"
#include "win/platform/shell_library.h"
#include "win/script/run_progress_window.h"
#include "win/script/run_settings_dialog.h"

namespace drawlot {

namespace {

class SystemClock : public RunClock {
 public:
  LocalTime Now() const override { return LocalTimeNow(); }
  std::uint64_t Milliseconds() const override { return GetTickCount64(); }
};

// The waiters' reports, handed from their threads to the window's: kept under a lock, the
// window woken by a message, and an event for the one wait that takes them without the window
// (the run ended at once). Shared with the waiters, so a report after the run harms nothing.
class RunMailbox {
 public:
  struct Entry {
    int start = -1;
    ProcessReport report;
  };

  explicit RunMailbox(HWND window)
      : window_(window), arrived_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
  ~RunMailbox() {
    if (arrived_) CloseHandle(arrived_);
  }
  RunMailbox(const RunMailbox&) = delete;
  RunMailbox& operator=(const RunMailbox&) = delete;

  void Post(int start, const ProcessReport& report) {
    {
      const std::lock_guard<std::mutex> hold(lock_);
      entries_.push_back(Entry{start, report});
    }
    if (arrived_) SetEvent(arrived_);
    PostMessageA(window_, kRunReportMessage, 0, 0);
  }
  std::vector<Entry> Take() {
    const std::lock_guard<std::mutex> hold(lock_);
    return std::exchange(entries_, {});
  }
  void AwaitOne(DWORD milliseconds) const {
    if (arrived_) WaitForSingleObject(arrived_, milliseconds);
  }

 private:
  HWND window_;
  HANDLE arrived_;
  std::mutex lock_;
  std::vector<Entry> entries_;
};

// The boxes of what the run carries out, shown once it has carried it out: a box never holds
// up the run's next action, and no action runs half done under a box.
class DeferredBoxes : public Prompter {
 public:
  Answer Show(const Message& message) override {
    boxes.push_back(message);
    return Answer::kOk;
  }
  std::deque<Message> boxes;
};

bool FileThere(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

RowFacts FactsByTag(Application& app) {
  return [&app](RowTag tag) -> std::optional<DrawingFacts> {
    const int row = app.rows->FindRowByTag(tag);
    if (row < 0) return std::nullopt;
    return FactsOf(*app.rows, app.current_items(), row);
  };
}

}  // namespace

struct ActiveRun {
  ActiveRun(Application& app, RunPlan plan)
      : serial(++app.run_serial),
        timed(plan.mode == RunMode::kPerRowTimed),
        engine(std::move(plan), clock, FactsByTag(app)),
        mailbox(std::make_shared<RunMailbox>(app.main_window)),
        processes(engine.plan().starts.size()) {}

  int serial;
  bool timed;  // the list is the user's between the drawings
  SystemClock clock;
  RunEngine engine;
  std::shared_ptr<RunMailbox> mailbox;
  std::vector<std::unique_ptr<WatchedProcess>> processes;  // by start
  std::optional<InputOffScope> input_off;
  std::unique_ptr<RunProgressWindow> progress;
  std::deque<RunAction> pending;
  bool carrying = false;
  DeferredBoxes boxes;
  bool ask = false;      // "AutoCADを終了させますか？" is to be asked
  bool showing = false;  // a box of the run is open
  bool silent = false;   // ended at once: nothing more is shown
  std::optional<RunSummary> summary;
  // The journal "drawlot_run.pending": its drawings, in order, by their tags; whether it is
  // still written.
  std::vector<RowTag> journal_tags;
  bool journal_kept = false;
};

void ActiveRunDeleter::operator()(ActiveRun* run) const {
  delete run;
}

namespace {

void Queue(ActiveRun& run, RunActions actions) {
  for (RunAction& action : actions) run.pending.push_back(std::move(action));
}

bool Running(const ActiveRun& run) {
  for (const auto& process : run.processes) {
    if (process) return true;
  }
  return false;
}

// The start's rows by their tags, its script written over its script file (`temp_file` for
// the first AutoCAD at once) and AutoCAD started on it. A failure is the engine's to answer;
// its box waits for the end of the carrying.
void StartDrawings(Application& app, ActiveRun& run, const RunAction& action) {
  const EnvironmentSettings& settings = app.settings;
  const std::string script = StartScriptPath(settings.temp_file.view(), action.slot);
  // The environment dialog may have changed the path since the run began; the names of the
  // other AutoCADs' scripts are longer.
  const std::optional<std::string> command_line = AutoCadCommandLine(script);
  if (!command_line) {
    run.boxes.Tell(app.owner(), kScriptPathTooLongText, kCannotStartTitle, Icon::kWarning);
    return Queue(run, run.engine.OnScriptNotWritten(action.start));
  }
  std::vector<int> rows;
  for (RowTag tag : action.tags) {
    if (const int row = app.rows->FindRowByTag(tag); row >= 0) rows.push_back(row);
  }
  const bool unmark = run.engine.plan().mode != RunMode::kAllScript;
  if (!WriteStartScript(app.owner(), *app.rows, rows, script, app.current_items(), settings,
                        run.boxes, unmark)) {
    return Queue(run, run.engine.OnScriptNotWritten(action.start));
  }
  const std::shared_ptr<RunMailbox> mailbox = run.mailbox;
  const int start = action.start;
  std::unique_ptr<WatchedProcess> process = app.launcher->StartWatched(
      std::string(settings.autocad_file.view()), *command_line, action.limit_ms,
      [mailbox, start](const ProcessReport& report) { mailbox->Post(start, report); });
  if (!process) {
    run.boxes.Tell(app.owner(), kCannotStartText, kCannotStartTitle, Icon::kNone);
    return Queue(run, run.engine.OnStartFailed(start));
  }
  // Opened with the first drawing, after every box before the run.
  if (!run.progress) {
    run.progress = MakeRunProgressWindow(app.dialog_context(), kRunStopMessage);
    run.progress->Open();
  }
  if (!run.input_off) run.input_off.emplace(app.input_gate, app.main_window);
  run.processes[start] = std::move(process);
  Queue(run, run.engine.OnProcessStarted(start));
}

// Each drawing's outcome into the journal first, then into the record: a cut between the two
// then loses nothing, where the other order would plot the drawing again.
void RecordLines(Application& app, ActiveRun& run, const RunAction& action) {
  if (run.journal_kept) {
    for (std::size_t i = 0; i < action.lines.size() && i < action.tags.size(); ++i) {
      const auto found =
          std::find(run.journal_tags.begin(), run.journal_tags.end(), action.tags[i]);
      if (found == run.journal_tags.end()) continue;
      const int position = static_cast<int>(found - run.journal_tags.begin()) + 1;
      run.journal_kept = AppendRunJournal(app.startup_folder, position, action.lines[i]);
    }
  }
  // Lines that cannot be written now are kept and go first next time.
  if (run.engine.plan().settings.record) app.run_record.Append(action.lines);
}

void CarryOut(Application& app, ActiveRun& run, const RunAction& action) {
  switch (action.kind) {
    case RunAction::Kind::kStart:
      return StartDrawings(app, run, action);
    case RunAction::Kind::kEndProcess:
      if (run.processes[action.start]) run.processes[action.start]->End();
      return;
    case RunAction::Kind::kArmPause:
      SetTimer(app.main_window, TIMER_RUN_PAUSE, static_cast<UINT>(action.milliseconds), nullptr);
      return;
    case RunAction::Kind::kAskEndAutoCad:
      run.ask = true;
      return;
    case RunAction::Kind::kRecord:
      RecordLines(app, run, action);
      return;
    case RunAction::Kind::kProgress:
      if (run.progress) run.progress->Show(action.progress);
      return;
    case RunAction::Kind::kDone:
      run.summary = action.summary;
      return;
  }
}

// Carries out `actions` and whatever the engine answers to them, in order. Called again while
// it carries (it cannot be, but a box could make it so), it only queues.
void Carry(Application& app, RunActions actions) {
  ActiveRun* run = app.run.get();
  if (!run) return;
  Queue(*run, std::move(actions));
  if (run->carrying) return;
  run->carrying = true;
  while (!run->pending.empty()) {
    const RunAction action = std::move(run->pending.front());
    run->pending.pop_front();
    CarryOut(app, *run, action);
  }
  run->carrying = false;
}

RunActions ActionsOfReport(ActiveRun& run, const RunMailbox::Entry& entry) {
  if (entry.start < 0 || entry.start >= static_cast<int>(run.processes.size())) return {};
  if (entry.report.deadline_passed) return run.engine.OnDeadline(entry.start);
  run.processes[entry.start].reset();
  // Between the drawings of a timed run the list is the user's again.
  if (run.timed && !Running(run)) run.input_off.reset();
  return run.engine.OnProcessEnded(entry.start, entry.report.exit_code, entry.report.ended_by_us);
}

void SelectAfterRun(RowStore& rows, const RunSummary& summary) {
  for (int row = 0; row < rows.RowCount(); ++row) {
    const RowTag tag = rows.TagOf(row);
    if (std::find(summary.select.begin(), summary.select.end(), tag) != summary.select.end()) {
      MarkRow(rows, row);
    } else if (summary.unselect_others) {
      UnmarkRow(rows, row);
    }
  }
}

// The run is over: the window's input back, the progress window closed, and then what the run
// came to: the rows that did not end well selected and told, the record's trouble told once,
// the status bar's words.
void FinishRun(Application& app) {
  std::unique_ptr<ActiveRun, ActiveRunDeleter> run = std::move(app.run);
  KillTimer(app.main_window, TIMER_RUN_PAUSE);
  // The main window first, so that it gets the activation back when the window closes.
  run->input_off.reset();
  if (run->progress) run->progress->Close();
  const bool silent = run->silent;
  const RunSummary summary = run->summary.value_or(RunSummary{});
  // Ended, not cut off: nothing to pick up at the next start.
  if (run->journal_kept || !run->journal_tags.empty()) RemoveRunJournal(app.startup_folder);
  run.reset();
  const bool record_trouble = app.run_record.TakeWriteFailed();
  if (silent) return;
  if (summary.empty_list) {
    app.prompter.Tell(app.owner(), kEmptyListText, kEmptyListTitle, Icon::kWarning);
    return;
  }
  if (summary.change_selection) SelectAfterRun(*app.rows, summary);
  if (!summary.failures_text.empty()) {
    app.prompter.Tell(app.owner(), summary.failures_text, "実行結果", Icon::kWarning);
  }
  if (record_trouble) {
    app.prompter.Tell(app.owner(), "実行記録 drawlot_run.csv に書き込めません。", "実行記録",
                      Icon::kWarning);
  }
  if (summary.status_text.empty()) return;
  app.last_run_status = summary.status_text;
  RefreshStatusBar(app);
}

bool StillTheRun(const Application& app, int serial) {
  return app.run && app.run->serial == serial;
}

// After the carrying: its boxes, one at a time, then the question about AutoCAD, then the end.
// Messages go on under each box, the run's among them; what they bring waits for this loop.
void ShowAndFinish(Application& app) {
  ActiveRun* run = app.run.get();
  if (!run || run->showing || run->carrying || run->silent) return;
  const int serial = run->serial;
  for (;;) {
    if (!run->boxes.boxes.empty()) {
      const Message box = run->boxes.boxes.front();
      run->boxes.boxes.pop_front();
      run->showing = true;
      app.prompter.Show(box);
      if (!StillTheRun(app, serial)) return;
      run->showing = false;
      continue;
    }
    if (run->ask) {
      run->ask = false;
      run->showing = true;
      const HWND owner = run->progress ? run->progress->window() : app.main_window;
      const bool end_autocad =
          app.prompter.Show(Message{reinterpret_cast<WindowRef>(owner), kEndAutoCadText,
                                    kEndAutoCadTitle, Buttons::kYesNo, Icon::kQuestion}) ==
          Answer::kYes;
      if (!StillTheRun(app, serial)) return;
      run->showing = false;
      Carry(app, run->engine.OnStopAnswer(end_autocad));
      continue;
    }
    break;
  }
  if (run->summary) FinishRun(app);
}

void Feed(Application& app, RunActions actions) {
  Carry(app, std::move(actions));
  ShowAndFinish(app);
}

bool RefuseWhileRunLasts(Application& app) {
  if (!app.run) return false;
  app.prompter.Tell(app.owner(), kRunLastsText, kRunLastsTitle, Icon::kWarning);
  return true;
}

// A crash or a power cut during an hours-long run must not lose the list. Not when
// "listview.ini" was kept unread at start: it is left exactly as it is.
void SaveListBeforeRun(Application& app) {
  if (!app.startup_reads.list_loaded) return;
  SaveList(app.owner(), *app.rows, JoinPath(app.startup_folder, kListFileName), app.prompter);
}

// 実行前の確認 over the drawings of the plan: those with a fault are listed and, when the user
// says so, left out, each recorded with its fault. False: the user chose to run nothing.
bool LeaveOutFaults(Application& app, RunPlan& plan) {
  if (!plan.settings.check_missing) return true;
  std::vector<int> rows;
  for (const RunStart& start : plan.starts) {
    for (RowTag tag : start.tags) rows.push_back(app.rows->FindRowByTag(tag));
  }
  const DrawingLookup lookup{FileThere, [](const std::string& path) {
                               const auto read = ReadDrawingPreviewFile(path);
                               return read && read->kind != DrawingFileKind::kNotDrawing;
                             }};
  const std::vector<CheckedRow> found =
      CheckBeforeRun(*app.rows, app.current_items(), rows, lookup, *app.spooler);
  if (found.empty()) return true;
  const Message question{app.owner(), CheckBeforeRunText(*app.rows, app.current_items(), found),
                         kCheckBeforeRunTitle, Buttons::kYesNo, Icon::kQuestion};
  if (app.prompter.Show(question) != Answer::kYes) return false;
  for (const CheckedRow& checked : found) {
    LeaveOut(plan, {app.rows->TagOf(checked.row)}, checked.finding);
  }
  return true;
}

// The journal of the run: every drawing it will take, in order, so that a run cut off by a
// crash, a power cut or a logoff can be picked up at the next start.
void StartJournal(Application& app, ActiveRun& run) {
  const RunPlan& plan = run.engine.plan();
  for (const RunStart& start : plan.starts) {
    run.journal_tags.insert(run.journal_tags.end(), start.tags.begin(), start.tags.end());
  }
  for (RowTag tag : plan.left_out) {
    if (std::find(run.journal_tags.begin(), run.journal_tags.end(), tag) == run.journal_tags.end())
      run.journal_tags.push_back(tag);
  }
  std::vector<std::string> drawings;
  const RowFacts facts = FactsByTag(app);
  for (RowTag tag : run.journal_tags)
    drawings.push_back(facts(tag).value_or(DrawingFacts{}).drawing);
  if (drawings.empty()) return;
  run.journal_kept = StartRunJournal(app.startup_folder, plan.mode, LocalTimeNow(), drawings);
}

void BeginRun(Application& app, RunPlan plan) {
  SaveListBeforeRun(app);
  if (plan.settings.record) RotateRunRecord(app.startup_folder);
  app.run.reset(new ActiveRun(app, std::move(plan)));
  StartJournal(app, *app.run);
  // Only the timed run leaves the list to the user between its drawings.
  if (!app.run->timed) app.run->input_off.emplace(app.input_gate, app.main_window);
  Feed(app, app.run->engine.Start());
}

}  // namespace

void RunScriptCommand(Application& app, ScriptRowScope scope) {
  if (RefuseWhileRunLasts(app)) return;
  if (!CheckScriptPathFits(app.owner(), app.settings, app.prompter)) return;
  RunPlan plan = PlanScriptRun(*app.rows, scope, app.program_settings.run);
  if (plan.starts.front().tags.empty()) {
    // Nothing to run: the writer refuses with its own box (and leaves the script empty).
    WriteScript(app.owner(), *app.rows, scope, std::string(app.settings.temp_file.view()),
                app.current_items(), app.settings, app.prompter);
    return;
  }
  if (!LeaveOutFaults(app, plan)) return;
  BeginRun(app, std::move(plan));
}

void RunPerRowCommand(Application& app, RunMode mode) {
  if (RefuseWhileRunLasts(app)) return;
  if (!CheckScriptPathFits(app.owner(), app.settings, app.prompter)) return;
  RunPlan plan = PlanPerRowRun(*app.rows, mode, app.program_settings.run);
  if (!LeaveOutFaults(app, plan)) return;
  BeginRun(app, std::move(plan));
}

void TakeRunReports(Application& app) {
  if (!app.run) return;
  ActiveRun& run = *app.run;
  for (const RunMailbox::Entry& entry : run.mailbox->Take()) {
    Carry(app, ActionsOfReport(run, entry));
  }
  ShowAndFinish(app);
}

void RunPauseOver(Application& app) {
  KillTimer(app.main_window, TIMER_RUN_PAUSE);
  if (app.run) Feed(app, app.run->engine.OnPauseOver());
}

void RunStopPressed(Application& app) {
  if (app.run) Feed(app, app.run->engine.OnStopPressed());
}

bool MayCloseDuringRun(Application& app) {
  if (!app.run) return true;
  const Answer answer = app.prompter.Show(
      Message{app.owner(), kCloseDuringRunText, kRunLastsTitle, Buttons::kYesNo, Icon::kQuestion});
  if (answer != Answer::kYes) return false;
  EndRunNow(app);
  return true;
}

void EndRunNow(Application& app) {
  if (!app.run) return;
  ActiveRun& run = *app.run;
  run.silent = true;
  Carry(app, run.engine.OnAbort());
  // The processes' ends are awaited here, so that each drawing gets its line before the
  // window goes; a process that will not end is given up after a while.
  const ULONGLONG give_up = GetTickCount64() + 10000;
  while (!run.summary && GetTickCount64() < give_up) {
    run.mailbox->AwaitOne(100);
    for (const RunMailbox::Entry& entry : run.mailbox->Take()) {
      Carry(app, ActionsOfReport(run, entry));
    }
  }
  FinishRun(app);
}

void PickUpCutOffRun(Application& app) {
  if (app.run) return;  // the journal there is the run's own
  const JournalRead read = ReadRunJournal(app.startup_folder);
  if (read.state == JournalState::kMissing) return;
  if (read.state == JournalState::kEmpty) {
    RemoveRunJournal(app.startup_folder);  // the run never got its start written
    return;
  }
  WaitForStartupPrinters(app);  // the start-up boxes come first
  if (read.state == JournalState::kUnreadable) {
    app.prompter.Tell(app.owner(), kJournalUnreadableText, kJournalTitle, Icon::kWarning);
    return;
  }
  const Message question{app.owner(), PickUpQuestion(read.journal), kJournalTitle, Buttons::kYesNo,
                         Icon::kQuestion};
  if (app.prompter.Show(question) == Answer::kYes) {
    SelectRemainingRows(*app.rows, app.current_items(), read.journal);
  }
  // What the journal holds and the record lacks goes into the record; only then is the
  // journal removed, so nothing is lost when the record cannot be written now.
  if (!AddJournalToRecord(app.startup_folder, read.journal)) {
    app.prompter.Tell(app.owner(), "実行記録 drawlot_run.csv に書き込めません。", "実行記録",
                      Icon::kWarning);
    return;
  }
  RemoveRunJournal(app.startup_folder);
}

namespace {

// A file's last-write time in local time, to the second; nothing when it is not there.
std::optional<LocalTime> LastWritten(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !FileTimeToSystemTime(&local, &time)) {
    return std::nullopt;
  }
  return LocalTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

}  // namespace

void SelectChangedDrawingsCommand(Application& app) {
  const PlotHistoryRead read = ReadPlotHistory(app.startup_folder);
  const ChangedSelection chosen =
      SelectWhatChanged(*app.rows, app.current_items(), read.history, LastWritten);
  app.selection_report = ChangedSelectionText(chosen);
  RefreshStatusBar(app);
}

void RunSettingsCommand(Application& app) {
  RunRunSettingsDialog(app.dialog_context(), app.program_settings.run);
}

void OpenRunRecordCommand(Application& app) {
  const std::string path = JoinPath(app.startup_folder, kRunRecordFileName);
  if (!FileThere(path)) {
    app.prompter.Tell(app.owner(), "実行記録はまだありません。", "実行記録", Icon::kNone);
    return;
  }
  if (ShellOpen(app.main_window, path) > 32) return;
  if (!app.launcher->Start(app.notepad_program, "notepad.exe \"" + path + "\"")) {
    app.prompter.Tell(app.owner(), "notepad.exeが見つかりませんでした。", "実行記録", Icon::kNone);
  }
}

}  // namespace drawlot
