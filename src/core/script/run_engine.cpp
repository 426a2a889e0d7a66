#include "core/script/run_engine.h"

#include <algorithm>

#include "core/script/autocad_run.h"

namespace drawlot {
namespace {

std::vector<RowTag> TagsOf(const RowStore& rows, bool selected_only) {
  std::vector<RowTag> tags;
  if (selected_only) {
    for (int row = rows.NextSelectedRow(); row != kNoRow; row = rows.NextSelectedRow(row)) {
      tags.push_back(rows.TagOf(row));
    }
  } else {
    for (int row = 0; row < rows.RowCount(); ++row) tags.push_back(rows.TagOf(row));
  }
  return tags;
}

bool Contains(const std::vector<RowTag>& tags, RowTag tag) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

RunResult ResultOfEnd(EndReason reason) {
  return reason == EndReason::kTimeLimit ? RunResult::kTimedOut : RunResult::kStopped;
}

RunAction Act(RunAction::Kind kind) {
  RunAction action;
  action.kind = kind;
  return action;
}

}  // namespace

RunPlan PlanPerRowRun(const RowStore& rows, RunMode mode, const RunSettings& settings) {
  RunPlan plan;
  plan.mode = mode;
  plan.settings = settings;
  const bool batches = mode == RunMode::kPerRowLoop;
  const int per_start =
      batches ? std::clamp(settings.drawings_per_start, 1, kMaxDrawingsPerStart) : 1;
  plan.parallel = batches ? std::clamp(settings.parallel, 1, kMaxParallel) : 1;
  const std::vector<RowTag> tags = TagsOf(rows, rows.NextSelectedRow() != kNoRow);
  const std::size_t size = static_cast<std::size_t>(per_start);
  for (std::size_t at = 0; at < tags.size(); at += size) {
    const std::size_t end = std::min(tags.size(), at + size);
    plan.starts.push_back(RunStart{{tags.begin() + at, tags.begin() + end}});
  }
  return plan;
}

RunPlan PlanScriptRun(const RowStore& rows, ScriptRowScope scope, const RunSettings& settings) {
  const bool any_selected = rows.NextSelectedRow() != kNoRow;
  const bool selected = scope == ScriptRowScope::kSelected ||
                        (scope == ScriptRowScope::kSelectedOrAll && any_selected);
  RunPlan plan;
  plan.mode = selected ? RunMode::kSelectedScript : RunMode::kAllScript;
  plan.settings = settings;
  plan.starts.push_back(RunStart{TagsOf(rows, selected)});
  return plan;
}

void LeaveOut(RunPlan& plan, const std::vector<RowTag>& missing, RunResult result) {
  plan.left_out_results.resize(plan.left_out.size(), RunResult::kMissing);
  for (RowTag tag : missing) {
    if (Contains(plan.left_out, tag)) continue;
    plan.left_out.push_back(tag);
    plan.left_out_results.push_back(result);
  }
  if (plan.mode != RunMode::kAllScript && plan.mode != RunMode::kSelectedScript) return;
  for (RunStart& start : plan.starts) {
    std::erase_if(start.tags, [&](RowTag tag) { return Contains(missing, tag); });
  }
  std::erase_if(plan.starts, [](const RunStart& start) { return start.tags.empty(); });
}

RunEngine::RunEngine(RunPlan plan, RunClock& clock, RowFacts facts)
    : plan_(std::move(plan)), clock_(clock), facts_(std::move(facts)) {
  plan_.parallel = std::max(plan_.parallel, 1);
  states_.resize(plan_.starts.size());
}

bool RunEngine::SingleScript() const {
  return plan_.mode == RunMode::kAllScript || plan_.mode == RunMode::kSelectedScript;
}

int RunEngine::Running() const {
  return static_cast<int>(std::count_if(states_.begin(), states_.end(), [](const StartState& s) {
    return s.status != StartStatus::kQueued && s.status != StartStatus::kOver;
  }));
}

int RunEngine::FreeSlot() const {
  for (int slot = 0;; ++slot) {
    const bool taken = std::any_of(states_.begin(), states_.end(), [slot](const StartState& s) {
      return s.slot == slot && s.status != StartStatus::kQueued && s.status != StartStatus::kOver;
    });
    if (!taken) return slot;
  }
}

DrawingFacts RunEngine::FactsOf(RowTag tag) {
  if (std::optional<DrawingFacts> now = facts_(tag)) return *now;
  for (const auto& [known, facts] : snapshot_) {
    if (known == tag) return facts;
  }
  return {};
}

RunRecordLine RunEngine::LineOf(const DrawingFacts& facts, RunResult result, std::string exit_code,
                                const LocalTime& started_at, std::uint64_t started_ms) const {
  return RunRecordLine{started_at,
                       clock_.Now(),
                       (clock_.Milliseconds() - started_ms) / 1000u,
                       RunModeText(plan_.mode),
                       facts.drawing,
                       facts.printer,
                       facts.paper,
                       result,
                       std::move(exit_code)};
}

// A drawing the run passes by without a process: left out, deleted, or never reached.
void RunEngine::RecordPassed(RunActions& out, RowTag tag, RunResult result) {
  results_.emplace_back(tag, result);
  RunAction action = Act(RunAction::Kind::kRecord);
  action.tags.push_back(tag);
  action.lines.push_back(LineOf(FactsOf(tag), result, {}, clock_.Now(), clock_.Milliseconds()));
  out.push_back(std::move(action));
}

// The drawings left out that no start holds (a single script's), before the first line of the
// run's end, once: a script that was never written records nothing.
void RunEngine::RecordLeftOut(RunActions& out) {
  if (left_out_recorded_) return;
  left_out_recorded_ = true;
  for (RowTag tag : plan_.left_out) {
    const bool in_a_start = std::any_of(plan_.starts.begin(), plan_.starts.end(),
                                        [&](const RunStart& s) { return Contains(s.tags, tag); });
    if (!in_a_start) RecordPassed(out, tag, LeftOutResult(tag));
  }
}

RunResult RunEngine::LeftOutResult(RowTag tag) const {
  const auto found = std::find(plan_.left_out.begin(), plan_.left_out.end(), tag);
  const auto index = static_cast<std::size_t>(found - plan_.left_out.begin());
  return index < plan_.left_out_results.size() ? plan_.left_out_results[index]
                                               : RunResult::kMissing;
}

void RunEngine::RecordStart(RunActions& out, int start, RunResult result,
                            const std::string& exit_code) {
  RecordLeftOut(out);
  StartState& state = states_[start];
  state.status = StartStatus::kOver;
  last_result_ = result;
  for (RowTag tag : state.live) results_.emplace_back(tag, result);
  // One line a drawing, a single script's too: each with what its process came to.
  RunAction action = Act(RunAction::Kind::kRecord);
  action.tags = state.live;
  for (RowTag tag : state.live) {
    action.lines.push_back(
        LineOf(FactsOf(tag), result, exit_code, state.started_at, state.started_ms));
  }
  out.push_back(std::move(action));
}

RunActions RunEngine::Start() {
  RunActions out;
  run_started_ms_ = clock_.Milliseconds();
  for (const RunStart& start : plan_.starts) {
    for (RowTag tag : start.tags) {
      if (std::optional<DrawingFacts> facts = facts_(tag)) snapshot_.emplace_back(tag, *facts);
    }
  }
  for (RowTag tag : plan_.left_out) {
    if (std::optional<DrawingFacts> facts = facts_(tag)) snapshot_.emplace_back(tag, *facts);
  }
  if (plan_.mode == RunMode::kPerRowTimed) {
    ArmPause(out);
  } else {
    Turn(out);
  }
  return out;
}

// The next queued start with its drawings still there; a start left with none costs no process.
void RunEngine::Turn(RunActions& out) {
  while (next_ < plan_.starts.size()) {
    const int start = static_cast<int>(next_++);
    StartState& state = states_[start];
    const std::vector<RowTag>& tags = plan_.starts[start].tags;
    for (RowTag tag : tags) {
      if (Contains(plan_.left_out, tag)) {
        RecordPassed(out, tag, LeftOutResult(tag));
      } else if (!facts_(tag)) {
        RecordPassed(out, tag, RunResult::kRowDeleted);
      } else {
        state.live.push_back(tag);
      }
    }
    if (state.live.empty() && !tags.empty()) {
      state.status = StartStatus::kOver;
      if (plan_.mode == RunMode::kPerRowTimed) break;  // the passed row still costs its tick
      continue;
    }
    state.slot = FreeSlot();
    state.status = StartStatus::kLaunching;
    state.started_at = clock_.Now();
    state.started_ms = clock_.Milliseconds();
    ++begun_;
    RunAction action = Act(RunAction::Kind::kStart);
    action.start = start;
    action.slot = state.slot;
    action.tags = state.live;
    action.limit_ms = static_cast<std::uint64_t>(plan_.settings.time_limit_seconds) * 1000u *
                      std::max<std::uint64_t>(state.live.size(), 1);
    out.push_back(std::move(action));
    progress_start_ = start;
    Progress(out, true);
    // More processes at once: the next one a pause later.
    if (Running() < plan_.parallel) break;
    return;
  }
  GoOn(out);
}

void RunEngine::ArmPause(RunActions& out) {
  if (pause_armed_) return;
  pause_armed_ = true;
  RunAction action = Act(RunAction::Kind::kArmPause);
  action.milliseconds = kRunPauseMilliseconds;
  out.push_back(std::move(action));
}

// After a start or an end: another start after a pause, the end of the run, or a wait.
void RunEngine::GoOn(RunActions& out) {
  if (done_) return;
  const bool more = next_ < plan_.starts.size() && !stopping_;
  if (more && Running() < plan_.parallel) return ArmPause(out);
  if (!more && Running() == 0) Finish(out);
}

void RunEngine::Progress(RunActions& out, bool running) {
  RunAction action = Act(RunAction::Kind::kProgress);
  RunProgressView& view = action.progress;
  view.number = progress_start_ + 1;
  view.total = static_cast<int>(plan_.starts.size());
  view.running = running;
  view.stopping = stopping_;
  view.run_started_ms = run_started_ms_;
  if (progress_start_ >= 0) {
    const StartState& state = states_[progress_start_];
    view.started_ms = state.started_ms;
    if (SingleScript()) {
      view.drawings = static_cast<int>(state.live.size());
      view.drawing = std::to_string(view.drawings) + " 図面";
    } else if (!state.live.empty()) {
      view.drawing = FactsOf(state.live.front()).drawing;
    }
  }
  view.batches = Batches();
  if (view.batches) {
    int first = 1;
    for (std::size_t start = 0; start < states_.size(); ++start) {
      const StartState& state = states_[start];
      const int size = static_cast<int>(plan_.starts[start].tags.size());
      if (state.status != StartStatus::kQueued && state.status != StartStatus::kOver &&
          !state.live.empty()) {
        view.running_starts.push_back(RunningStartView{
            first, first + size - 1, FactsOf(state.live.front()).drawing, state.started_ms});
      }
      first += size;
    }
    view.drawings_total = first - 1;
  }
  out.push_back(std::move(action));
}

bool RunEngine::Batches() const {
  if (SingleScript()) return false;
  return plan_.parallel > 1 ||
         std::any_of(plan_.starts.begin(), plan_.starts.end(),
                     [](const RunStart& start) { return start.tags.size() > 1; });
}

RunActions RunEngine::OnProcessStarted(int start) {
  RunActions out;
  if (start >= 0 && start < static_cast<int>(states_.size()) &&
      states_[start].status == StartStatus::kLaunching) {
    states_[start].status = StartStatus::kRunning;
  }
  return out;
}

RunActions RunEngine::OnStartFailed(int start) {
  RunActions out;
  if (done_ || start < 0 || start >= static_cast<int>(states_.size())) return out;
  const StartStatus status = states_[start].status;
  if (status != StartStatus::kLaunching && status != StartStatus::kRunning) return out;
  RecordStart(out, start, RunResult::kNotStarted, {});
  stopping_ = true;
  GoOn(out);
  return out;
}

RunActions RunEngine::OnScriptNotWritten(int start) {
  if (start < 0 || start >= static_cast<int>(states_.size())) return {};
  if (SingleScript() && !done_) {
    // Nothing ran: no record, no selection, no status.
    states_[start].status = StartStatus::kOver;
    silent_ = true;
    stopping_ = true;
    RunActions out;
    GoOn(out);
    return out;
  }
  return OnStartFailed(start);
}

RunActions RunEngine::OnProcessEnded(int start, std::uint32_t exit_code, bool ended_by_us) {
  RunActions out;
  if (done_ || start < 0 || start >= static_cast<int>(states_.size())) return out;
  StartState& state = states_[start];
  if (state.status == StartStatus::kQueued || state.status == StartStatus::kOver) return out;
  // An outcome is what the process did: only a process our end took is 中止 or 時間切れ.
  if (ended_by_us) {
    RecordStart(out, start, ResultOfEnd(state.reason), {});
  } else {
    RecordStart(out, start, exit_code == 0 ? RunResult::kDone : RunResult::kExitCode,
                std::to_string(exit_code));
  }
  // With several AutoCADs the window follows each; with one, the drawing shown has ended.
  if (Running() == 0 || Batches()) Progress(out, Running() > 0);
  GoOn(out);
  return out;
}

RunActions RunEngine::OnDeadline(int start) {
  RunActions out;
  if (done_ || start < 0 || start >= static_cast<int>(states_.size())) return out;
  StartState& state = states_[start];
  if (state.status != StartStatus::kRunning && state.status != StartStatus::kLaunching) return out;
  state.status = StartStatus::kEnding;
  state.reason = EndReason::kTimeLimit;
  RunAction action = Act(RunAction::Kind::kEndProcess);
  action.start = start;
  action.reason = EndReason::kTimeLimit;
  out.push_back(std::move(action));
  return out;
}

RunActions RunEngine::OnStopPressed() {
  RunActions out;
  // The question is asked once: the button is pressed once, a second press changes nothing.
  if (done_ || stopping_) return out;
  stopping_ = true;
  if (Running() == 0) {
    Finish(out);
    return out;
  }
  Progress(out, true);
  question_open_ = true;
  out.push_back(Act(RunAction::Kind::kAskEndAutoCad));
  return out;
}

RunActions RunEngine::OnStopAnswer(bool end_autocad) {
  RunActions out;
  question_open_ = false;
  if (done_ || !end_autocad) return out;
  for (std::size_t start = 0; start < states_.size(); ++start) {
    StartState& state = states_[start];
    // A process that ended while the question was open keeps what it did.
    if (state.status != StartStatus::kRunning && state.status != StartStatus::kLaunching) continue;
    state.status = StartStatus::kEnding;
    state.reason = EndReason::kStop;
    RunAction action = Act(RunAction::Kind::kEndProcess);
    action.start = static_cast<int>(start);
    action.reason = EndReason::kStop;
    out.push_back(std::move(action));
  }
  return out;
}

RunActions RunEngine::OnAbort() {
  RunActions out;
  if (done_) return out;
  stopping_ = true;
  for (std::size_t start = 0; start < states_.size(); ++start) {
    StartState& state = states_[start];
    const bool ending = state.status == StartStatus::kEnding;
    if (state.status == StartStatus::kQueued || state.status == StartStatus::kOver) continue;
    // A time limit already being enforced stays 時間切れ.
    if (!ending) {
      state.status = StartStatus::kEnding;
      state.reason = EndReason::kStop;
    }
    RunAction action = Act(RunAction::Kind::kEndProcess);
    action.start = static_cast<int>(start);
    action.reason = ending ? state.reason : EndReason::kClose;
    out.push_back(std::move(action));
  }
  GoOn(out);
  return out;
}

RunActions RunEngine::OnPauseOver() {
  RunActions out;
  if (!pause_armed_) return out;
  pause_armed_ = false;
  if (done_) return out;
  if (stopping_) {
    GoOn(out);
  } else {
    Turn(out);
  }
  return out;
}

void RunEngine::Finish(RunActions& out) {
  if (!silent_) RecordLeftOut(out);
  // Whatever the run did not reach is recorded, in order.
  for (; next_ < plan_.starts.size(); ++next_) {
    if (silent_) continue;
    for (RowTag tag : plan_.starts[next_].tags) {
      RecordPassed(out, tag, facts_(tag) ? RunResult::kNotRun : RunResult::kRowDeleted);
    }
    states_[next_].status = StartStatus::kOver;
  }
  done_ = true;
  RunAction action = Act(RunAction::Kind::kDone);
  action.summary = Summary();
  out.push_back(std::move(action));
}

RunSummary RunEngine::Summary() const {
  RunSummary summary;
  if (silent_) return summary;
  if (plan_.starts.empty() && plan_.left_out.empty()) {
    summary.empty_list = !SingleScript();
    return summary;
  }
  std::vector<RowTag> not_well;
  for (const auto& [tag, result] : results_) {
    if (result == RunResult::kDone || result == RunResult::kRowDeleted) continue;
    if (facts_(tag)) not_well.push_back(tag);
  }
  const std::size_t failed = std::count_if(results_.begin(), results_.end(), [](const auto& r) {
    return r.second != RunResult::kDone && r.second != RunResult::kRowDeleted;
  });
  const std::size_t total = results_.size();
  summary.change_selection = true;
  if (SingleScript()) {
    // The drawings left out stay selected to be run again; the run's rows are unmarked by the
    // script writer.
    for (RowTag tag : plan_.left_out) {
      if (facts_(tag)) summary.select.push_back(tag);
    }
    const RunResult result = begun_ > 0
                                 ? last_result_
                                 : (plan_.left_out.empty() ? RunResult::kMissing
                                                           : LeftOutResult(plan_.left_out.front()));
    summary.status_text = "前回の実行: " + std::string(ResultText(result));
  } else {
    summary.select = not_well;
    summary.unselect_others = true;
    summary.status_text = failed == 0 ? "前回の実行: " + std::to_string(total) + "件 完了"
                                      : "前回の実行: " + std::to_string(total) + "件中" +
                                            std::to_string(failed) + "件 失敗";
  }
  // A run that ended because AutoCAD could not be started has told so in its own box.
  const bool told = begun_ > 0 && last_result_ == RunResult::kNotStarted;
  if (failed > 0 && !told && (!SingleScript() || begun_ == 0)) {
    summary.failures_text = std::to_string(total) + "件中" + std::to_string(failed) +
                            "件が正常に終了しませんでした。\r\nそれらの行を選択してあります。";
  }
  return summary;
}

}  // namespace drawlot
