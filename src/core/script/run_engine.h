// One run of AutoCAD over rows, as a state machine: the shell feeds it events (the run is
// started, a process started or could not be, a process ended, a deadline passed, 中止 and its
// question, a close or the end of the session, the pause between starts is over) and carries out
// the actions it answers with (write a start's script and start AutoCAD on it, end a process,
// arm the pause, append record lines, show progress, the run is done). It never waits and never
// touches the list or the file system: rows are named by their tags, which a delete, a sort or
// an undo between two events leaves as they are, and looked up through `RowFacts` when needed.
//
// A run is a queue of starts, each one AutoCAD process on one script of one or more drawings
// (one row for the per-row runs, all rows for a single script). Up to `parallel` starts run at
// once, each at least one pause after the one before; a start may run for the time limit times
// its drawings; whatever a start comes to holds for each of its drawings.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/model/row_store.h"
#include "core/script/run_record.h"
#include "core/script/run_session.h"
#include "core/script/script_writer.h"

namespace drawlot {

using RowTag = std::int32_t;

// The drawings of one AutoCAD process, in the order its script runs them.
struct RunStart {
  std::vector<RowTag> tags;
};

struct RunPlan {
  RunMode mode = RunMode::kPerRowLoop;
  RunSettings settings;
  std::vector<RunStart> starts;
  // Drawings found missing before the run and left out: recorded 図面なし at their turn (or,
  // when no start holds them, as the run's first line once it ends), never started.
  std::vector<RowTag> left_out;
  // What each left-out drawing is recorded as, beside `left_out`: 図面なし unless the check
  // before the run found another fault.
  std::vector<RunResult> left_out_results;
  // AutoCAD processes at once.
  int parallel = 1;
};

// The rows of a per-row run: the selected rows top to bottom, or every row when none is
// selected. 毎行(１処理) takes the settings' drawings per start and AutoCADs at once; the timed
// run one drawing a tick, one AutoCAD.
RunPlan PlanPerRowRun(const RowStore& rows, RunMode mode, const RunSettings& settings);
// A single-script run of `scope`: one start with its rows (none on an empty list, which the
// script writer refuses with its box). The toolbar's スタート (kSelectedOrAll) on a selection
// is a 選択スクリプト run.
RunPlan PlanScriptRun(const RowStore& rows, ScriptRowScope scope, const RunSettings& settings);
// Moves the drawings of `missing` out of a single-script run's start into its left-out ones, or
// marks them left out in a per-row run. A start left with no drawing is dropped.
void LeaveOut(RunPlan& plan, const std::vector<RowTag>& missing,
              RunResult result = RunResult::kMissing);

// A row's record cells by its tag; nullopt once the row is gone.
using RowFacts = std::function<std::optional<DrawingFacts>(RowTag)>;

enum class EndReason { kTimeLimit, kStop, kClose };

// One AutoCAD that runs now: its drawings by their number in the run ("5–8 / 12").
struct RunningStartView {
  int first = 0;  // from 1
  int last = 0;
  std::string drawing;  // its first
  std::uint64_t started_ms = 0;

  friend bool operator==(const RunningStartView&, const RunningStartView&) = default;
};

// What the progress window shows.
struct RunProgressView {
  int number = 0;  // the start shown, from 1
  int total = 0;   // the starts of the run
  std::string drawing;
  int drawings = 0;  // > 0 for a single script of that many drawings
  bool running = false;
  bool stopping = false;  // 中止 was pressed: "中止します。この図面が終わるまでお待ち下さい。"
  std::uint64_t started_ms = 0;  // of the drawing (RunClock::Milliseconds)
  std::uint64_t run_started_ms = 0;
  // With more than one drawing a start or more than one AutoCAD at once: each running AutoCAD,
  // and the drawings of the run.
  bool batches = false;
  std::vector<RunningStartView> running_starts;
  int drawings_total = 0;
};

// How the run ended, for the shell to tell and to select.
struct RunSummary {
  // Nothing to run at all: "リストビューに項目がありません" for a per-row run.
  bool empty_list = false;
  // Whether to touch the selection: the rows of `select` become selected; with
  // `unselect_others` every other row is unselected.
  bool change_selection = false;
  std::vector<RowTag> select;
  bool unselect_others = false;
  // The box "{total}件中{n}件が正常に終了しませんでした。…" ("実行結果", warning), or empty.
  std::string failures_text;
  // The status bar's words; empty when nothing ran.
  std::string status_text;
};

struct RunAction {
  enum class Kind {
    kStart,          // write the script of `tags` (their blocks in order and the trailer) into
                     // script file `slot` (StartScriptPath) and start AutoCAD on it with a
                     // deadline `limit_ms` after (0: none); answer OnProcessStarted, OnStartFailed
                     // or OnScriptNotWritten for `start`
    kEndProcess,     // end the process of `start` (`reason`); then OnProcessEnded(ended_by_us)
    kArmPause,       // a one-shot timer of `milliseconds`; then OnPauseOver
    kAskEndAutoCad,  // "AutoCADを終了させますか？" on the progress window; then OnStopAnswer
    kRecord,         // `lines`, one a drawing of `tags`: into the journal, then (when the
                     // settings say so) the record
    kProgress,       // show `progress`
    kDone,           // the run is over: `summary`; the input back, the progress window closed
  };
  Kind kind = Kind::kDone;
  int start = -1;
  int slot = 0;  // of the AutoCADs at once: no two running starts share one
  std::vector<RowTag> tags;
  std::uint64_t limit_ms = 0;
  EndReason reason = EndReason::kStop;
  int milliseconds = 0;
  std::vector<RunRecordLine> lines;
  RunProgressView progress;
  RunSummary summary;
};
using RunActions = std::vector<RunAction>;

class RunEngine {
 public:
  RunEngine(RunPlan plan, RunClock& clock, RowFacts facts);

  // The run begins: the facts of every drawing are taken now, so a row deleted later is still
  // named in the record. A timed run's first start waits for a pause; the others start at once.
  RunActions Start();
  RunActions OnProcessStarted(int start);
  // AutoCAD could not be started (its box shown): 起動失敗, and the run ends.
  RunActions OnStartFailed(int start);
  // The script writer refused (its box shown). A per-row start is 起動失敗 and the run ends; a
  // single script was never a run: nothing is recorded or selected.
  RunActions OnScriptNotWritten(int start);
  // The process ended. `ended_by_us`: our end took effect; otherwise it ended by itself before
  // and its exit code decides, even when we had asked for the end.
  RunActions OnProcessEnded(int start, std::uint32_t exit_code, bool ended_by_us);
  // The start's deadline passed: its process is ended (時間切れ) unless it has ended already.
  RunActions OnDeadline(int start);
  // 中止: no further start; while AutoCAD runs, the question (once: a second press while it is
  // open does nothing). Between starts the run ends at once.
  RunActions OnStopPressed();
  RunActions OnStopAnswer(bool end_autocad);
  // The main window closes (answered Yes) or the session ends: every process is ended (中止),
  // nothing more starts.
  RunActions OnAbort();
  RunActions OnPauseOver();

  bool done() const { return done_; }
  // "AutoCADを終了させますか？" is open (its answer not yet given).
  bool question_open() const { return question_open_; }
  const RunPlan& plan() const { return plan_; }

 private:
  enum class StartStatus { kQueued, kLaunching, kRunning, kEnding, kOver };
  struct StartState {
    StartStatus status = StartStatus::kQueued;
    std::vector<RowTag> live;  // the drawings the script holds
    EndReason reason = EndReason::kStop;
    LocalTime started_at;
    std::uint64_t started_ms = 0;
    int slot = 0;
  };

  bool SingleScript() const;
  bool Batches() const;
  int Running() const;
  int FreeSlot() const;
  DrawingFacts FactsOf(RowTag tag);
  RunRecordLine LineOf(const DrawingFacts& facts, RunResult result, std::string exit_code,
                       const LocalTime& started_at, std::uint64_t started_ms) const;
  void RecordPassed(RunActions& out, RowTag tag, RunResult result);
  void RecordLeftOut(RunActions& out);
  RunResult LeftOutResult(RowTag tag) const;
  void RecordStart(RunActions& out, int start, RunResult result, const std::string& exit_code);
  void Turn(RunActions& out);
  void ArmPause(RunActions& out);
  void GoOn(RunActions& out);
  void Finish(RunActions& out);
  void Progress(RunActions& out, bool running);
  RunSummary Summary() const;

  RunPlan plan_;
  RunClock& clock_;
  RowFacts facts_;
  std::vector<StartState> states_;
  std::vector<std::pair<RowTag, DrawingFacts>> snapshot_;
  // Every drawing met, in order, with its result.
  std::vector<std::pair<RowTag, RunResult>> results_;
  std::size_t next_ = 0;  // the next queued start
  int begun_ = 0;
  bool pause_armed_ = false;
  bool stopping_ = false;
  bool question_open_ = false;
  bool done_ = false;
  bool silent_ = false;
  bool left_out_recorded_ = false;  // a single script that was never written
  RunResult last_result_ = RunResult::kDone;
  std::uint64_t run_started_ms_ = 0;
  int progress_start_ = -1;
};

}  // namespace drawlot
