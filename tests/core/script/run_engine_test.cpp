// The run as a state machine, driven by fake processes and a clock that moves two seconds a
// drawing: what it starts and ends, what it records, what it selects and says at the end.
#include "core/script/run_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/list/row_marks.h"
#include "core/script/autocad_run.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/step_clock.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using Texts = std::vector<std::string>;
using Tags = std::vector<RowTag>;

using testing::StepClock;

// Rows by tag 1..5 (a.dwg … e.dwg); the shell's side of each action as a line of `log`.
struct Harness {
  explicit Harness(RunPlan plan) {
    for (RowTag tag : {1, 2, 3, 4, 5})
      rows[tag] = DrawingFacts{std::string(1, 'a' + tag - 1) + ".dwg", {}, {}};
    engine = std::make_unique<RunEngine>(std::move(plan), clock, [this](RowTag tag) {
      const auto found = rows.find(tag);
      return found == rows.end() ? std::nullopt : std::optional<DrawingFacts>(found->second);
    });
    Take(engine->Start());
  }
  void Take(const RunActions& actions) {
    for (const RunAction& action : actions) {
      switch (action.kind) {
        case RunAction::Kind::kStart:
          last = action.start;
          log.push_back("start");
          for (RowTag tag : action.tags) log.back() += " " + std::to_string(tag);
          log.back() += " /" + std::to_string(action.limit_ms);
          if (action.slot > 0) log.back() += " #" + std::to_string(action.slot);
          Take(engine->OnProcessStarted(last));
          break;
        case RunAction::Kind::kEndProcess:
          log.push_back("end " + std::to_string(action.start) + " " +
                        std::to_string(static_cast<int>(action.reason)));
          break;
        case RunAction::Kind::kArmPause:
          log.push_back("pause " + std::to_string(action.milliseconds));
          break;
        case RunAction::Kind::kAskEndAutoCad:
          log.push_back("ask");
          break;
        case RunAction::Kind::kRecord:
          for (const RunRecordLine& line : action.lines) {
            record.push_back(line.drawing + " " + std::string(ResultText(line.result)) + " " +
                             line.exit_code);
          }
          break;
        case RunAction::Kind::kProgress:
          progress = action.progress;
          break;
        case RunAction::Kind::kDone:
          log.push_back("done");
          for (RowTag tag : action.summary.select) log.back() += " " + std::to_string(tag);
          summary = action.summary;
          break;
      }
    }
  }
  // Words for what happens: AutoCAD's doing ("exit0", "killed": ended by us), the user's
  // ("stop", "yes", "no", "del2": row 2 deleted), the shell's ("fail", "unwritten", "limit",
  // "pause", "abort": the window closes). "@N" after a word of AutoCAD's or the shell's names
  // start N; without it, the start begun last.
  void Run(std::string_view events) {
    std::istringstream words{std::string(events)};
    for (std::string w; words >> w;) {
      if (const std::size_t at = w.find('@'); at != std::string::npos) {
        last = std::stoi(w.substr(at + 1));
        w.resize(at);
      }
      if (w == "fail") Take(engine->OnStartFailed(last));
      if (w == "unwritten") Take(engine->OnScriptNotWritten(last));
      if (w.starts_with("exit") || w == "killed") {
        clock.ms += 2000;
        const auto code = static_cast<std::uint32_t>(w == "killed" ? 1 : std::stoi(w.substr(4)));
        Take(engine->OnProcessEnded(last, code, w == "killed"));
      }
      if (w == "limit") Take(engine->OnDeadline(last));
      if (w == "stop") Take(engine->OnStopPressed());
      if (w == "yes" || w == "no") Take(engine->OnStopAnswer(w == "yes"));
      if (w == "abort") Take(engine->OnAbort());
      if (w == "pause") Take(engine->OnPauseOver());
      if (w.starts_with("del")) rows.erase(std::stoi(w.substr(3)));
    }
  }

  StepClock clock;
  std::map<RowTag, DrawingFacts> rows;
  std::unique_ptr<RunEngine> engine;
  int last = -1;
  Texts log;
  Texts record;
  RunSummary summary;
  RunProgressView progress;
};

RunPlan PerRow(RunMode mode, int limit = 0, Tags left_out = {}) {
  RunPlan plan{mode, RunSettings{limit, true, true}, {{{1}}, {{2}}, {{3}}}, {}, {}, 1};
  LeaveOut(plan, left_out);
  return plan;
}

struct Case {
  const char* name;
  RunPlan plan;
  std::string_view events;
  Texts log;
  Texts record;
  std::string status = {};
};

void Check(const Case& c) {
  Harness h(c.plan);
  h.Run(c.events);
  EXPECT_EQ(h.log, c.log) << c.name;
  EXPECT_EQ(h.record, c.record) << c.name;
  EXPECT_TRUE(h.engine->done()) << c.name;
  if (!c.status.empty()) {
    EXPECT_EQ(h.summary.status_text, c.status) << c.name;
  }
  // Whatever comes after the end, a late waiter's post or a timer, finds nothing to act on.
  const std::size_t logged = h.log.size();
  h.Run("exit0 limit pause stop abort");
  EXPECT_EQ(h.log.size(), logged) << c.name;
}

const RunMode kLoop = RunMode::kPerRowLoop;
const RunMode kTimed = RunMode::kPerRowTimed;

// Fault 1: the window closes (or the session ends) under a run in any of its states.
TEST(RunEngine, ACloseEndsTheRunInEveryStateAndRecordsEveryDrawing) {
  const Case cases[] = {
      {"while AutoCAD runs",
       PerRow(kLoop),
       "abort killed",
       {"start 1 /0", "end 0 2", "done 1 2 3"},
       {"a.dwg 中止 ", "b.dwg 未実行 ", "c.dwg 未実行 "},
       "前回の実行: 3件中3件 失敗"},
      {"in the pause",
       PerRow(kLoop),
       "exit0 abort pause",
       {"start 1 /0", "pause 500", "done 2 3"},
       {"a.dwg 完了 0", "b.dwg 未実行 ", "c.dwg 未実行 "},
       "前回の実行: 3件中2件 失敗"},
      {"as the limit ran out",
       PerRow(kLoop, 5),
       "limit abort killed",
       {"start 1 /5000", "end 0 0", "end 0 0", "done 1 2 3"},
       {"a.dwg 時間切れ ", "b.dwg 未実行 ", "c.dwg 未実行 "}},
  };
  for (const Case& c : cases) Check(c);
}

// Fault 3: a process that ended by itself keeps its exit code, whatever we had asked.
TEST(RunEngine, AnOutcomeIsWhatTheProcessDid) {
  const Case cases[] = {
      {"ended under the question",
       PerRow(kLoop),
       "stop exit0 yes",
       {"start 1 /0", "ask", "done 2 3"},
       {"a.dwg 完了 0", "b.dwg 未実行 ", "c.dwg 未実行 "},
       "前回の実行: 3件中2件 失敗"},
      {"ended as the limit ran out",
       PerRow(kTimed, 5),
       "pause limit exit0 pause exit3 pause limit killed",
       {"pause 500", "start 1 /5000", "end 0 0", "pause 500", "start 2 /5000", "pause 500",
        "start 3 /5000", "end 2 0", "done 2 3"},
       {"a.dwg 完了 0", "b.dwg 異常終了 3", "c.dwg 時間切れ "},
       "前回の実行: 3件中2件 失敗"},
      {"ended by our 中止",
       PerRow(kLoop),
       "stop yes killed",
       {"start 1 /0", "ask", "end 0 1", "done 1 2 3"},
       {"a.dwg 中止 ", "b.dwg 未実行 ", "c.dwg 未実行 "}},
      {"No: the drawing goes on",
       PerRow(kLoop),
       "stop no exit0",
       {"start 1 /0", "ask", "done 2 3"},
       {"a.dwg 完了 0", "b.dwg 未実行 ", "c.dwg 未実行 "}},
  };
  for (const Case& c : cases) Check(c);
}

// Faults 5 and 6: rows by tag through deletes; every row that was not run is said so.
TEST(RunEngine, RowsAreFollowedByTagAndNoneIsReportedDoneUnrun) {
  const Case cases[] = {
      {"deleted before its turn",
       PerRow(kTimed),
       "pause del2 exit0 pause pause exit0",
       {"pause 500", "start 1 /0", "pause 500", "pause 500", "start 3 /0", "done"},
       {"a.dwg 完了 0", "b.dwg 行削除 ", "c.dwg 完了 0"},
       "前回の実行: 3件 完了"},
      {"deleted while it runs",
       PerRow(kLoop),
       "del1 exit4 pause exit0 pause exit0",
       {"start 1 /0", "pause 500", "start 2 /0", "pause 500", "start 3 /0", "done"},
       {"a.dwg 異常終了 4", "b.dwg 完了 0", "c.dwg 完了 0"},
       "前回の実行: 3件中1件 失敗"},
      {"script not written",
       PerRow(kLoop),
       "exit0 pause unwritten",
       {"start 1 /0", "pause 500", "start 2 /0", "done 2 3"},
       {"a.dwg 完了 0", "b.dwg 起動失敗 ", "c.dwg 未実行 "},
       "前回の実行: 3件中2件 失敗"},
  };
  for (const Case& c : cases) Check(c);
}

// Fault 12: rows never started and drawings left out have their lines.
TEST(RunEngine, TheRecordHoldsEveryDrawing) {
  RunPlan single{RunMode::kAllScript, RunSettings{10, true, true}, {{{1, 2, 3}}}, {}, {}, 1};
  RunPlan all_missing = single;
  LeaveOut(single, {2});
  LeaveOut(all_missing, {1, 2, 3});
  const Case cases[] = {
      {"起動失敗 on the first row",
       PerRow(kLoop),
       "fail",
       {"start 1 /0", "done 1 2 3"},
       {"a.dwg 起動失敗 ", "b.dwg 未実行 ", "c.dwg 未実行 "},
       "前回の実行: 3件中3件 失敗"},
      {"left out in a per-row run",
       PerRow(kLoop, 0, {1}),
       "exit0 pause exit0",
       {"start 2 /0", "pause 500", "start 3 /0", "done 1"},
       {"a.dwg 図面なし ", "b.dwg 完了 0", "c.dwg 完了 0"},
       "前回の実行: 3件中1件 失敗"},
      {"left out of a single script",
       single,
       "exit0",
       {"start 1 3 /20000", "done 2"},
       {"b.dwg 図面なし ", "a.dwg 完了 0", "c.dwg 完了 0"},
       "前回の実行: 完了"},
      {"a single script never written", single, "unwritten", {"start 1 3 /20000", "done"}, {}},
      {"every drawing missing",
       all_missing,
       "",
       {"done 1 2 3"},
       {"a.dwg 図面なし ", "b.dwg 図面なし ", "c.dwg 図面なし "},
       "前回の実行: 図面なし"},
  };
  for (const Case& c : cases) Check(c);
  Harness h(all_missing);
  EXPECT_EQ(h.summary.failures_text,
            "3件中3件が正常に終了しませんでした。\r\nそれらの行を選択してあります。");
}

// Fault 14: the second 中止 opens no second question; スタート on a selection is 選択スクリプト.
TEST(RunEngine, StopAsksOnceAndTheStartButtonNamesItsRows) {
  Harness h(PerRow(kLoop));
  h.Run("stop stop yes stop killed");
  EXPECT_EQ(h.log, (Texts{"start 1 /0", "ask", "end 0 1", "done 1 2 3"}));

  InMemoryRowStore rows;
  rows.InsertColumn(0, "c", 50);
  for (RowTag tag : {7, 8, 9}) rows.InsertRow(rows.RowCount(), "x.dwg", 0, tag);
  EXPECT_EQ(PlanScriptRun(rows, ScriptRowScope::kSelectedOrAll, {}).mode, RunMode::kAllScript);
  MarkRow(rows, 2);
  MarkRow(rows, 0);
  const RunPlan plan = PlanScriptRun(rows, ScriptRowScope::kSelectedOrAll, {});
  EXPECT_EQ(plan.mode, RunMode::kSelectedScript);
  EXPECT_EQ(plan.starts[0].tags, (Tags{7, 9}));
}

// Batches: N drawings a start, K AutoCADs at once, each start a pause after the one before and
// on a script file of its own; a start that does not end well takes each of its drawings.
TEST(RunEngine, BatchesGroupRowsIntoStartsAndSpreadAStartsOutcome) {
  InMemoryRowStore rows;
  rows.InsertColumn(0, "c", 50);
  for (RowTag tag : {1, 2, 3, 4, 5}) rows.InsertRow(rows.RowCount(), "x.dwg", 0, tag);
  const RunSettings batches{10, true, true, 2, 2};
  const RunPlan plan = PlanPerRowRun(rows, kLoop, batches);
  EXPECT_EQ(plan.parallel, 2);
  ASSERT_EQ(plan.starts.size(), 3u);
  EXPECT_EQ(plan.starts[1].tags, (Tags{3, 4}));
  EXPECT_EQ(plan.starts[2].tags, (Tags{5}));
  // The timed run stays one drawing a tick; out-of-range values are brought into range.
  EXPECT_EQ(PlanPerRowRun(rows, kTimed, batches).starts.size(), 5u);
  EXPECT_EQ(PlanPerRowRun(rows, kTimed, batches).parallel, 1);
  EXPECT_EQ(PlanPerRowRun(rows, kLoop, {0, true, true, 99, 0}).starts.size(), 1u);
  EXPECT_EQ(PlanPerRowRun(rows, kLoop, {0, true, true, 99, 0}).parallel, 1);

  Harness h(plan);
  h.Run("pause");
  ASSERT_EQ(h.progress.running_starts.size(), 2u);
  EXPECT_EQ(h.progress.drawings_total, 5);
  EXPECT_EQ(h.progress.running_starts[1].first, 3);
  EXPECT_EQ(h.progress.running_starts[1].last, 4);
  EXPECT_EQ(h.progress.running_starts[1].drawing, "c.dwg");
  h.Run("limit@0 exit0@1 killed@0 pause exit3@2");
  EXPECT_EQ(h.log, (Texts{"start 1 2 /20000", "pause 500", "start 3 4 /20000 #1", "end 0 0",
                          "pause 500", "start 5 /10000", "done 1 2 5"}));
  EXPECT_EQ(h.record, (Texts{"c.dwg 完了 0", "d.dwg 完了 0", "a.dwg 時間切れ ", "b.dwg 時間切れ ",
                             "e.dwg 異常終了 3"}));
  EXPECT_EQ(h.summary.status_text, "前回の実行: 5件中3件 失敗");

  const std::pair<std::pair<const char*, int>, const char*> names[] = {
      {{"C:\\作業 表\\atc print.scr", 0}, "C:\\作業 表\\atc print.scr"},
      {{"C:\\作業 表\\atc print.scr", 1}, "C:\\作業 表\\atc print_2.scr"},
      {{"C:\\a.b\\run", 2}, "C:\\a.b\\run_3"},
      {{"run.scr", 7}, "run_8.scr"},
  };
  for (const auto& [given, name] : names)
    EXPECT_EQ(StartScriptPath(given.first, given.second), name);
}

// Fault 13: lines are kept while the record cannot be written, and each starts a line.
TEST(RunRecordQueue, KeepsLinesUntilTheRecordCanBeWrittenAndStartsEachOnItsOwnLine) {
  testing::TempFolder folder{"record"};  // std::filesystem takes the path as ASCII
  const std::filesystem::path path = std::filesystem::path(folder.path()) / kRunRecordFileName;
  RunRecordLine line{{2026, 12, 7, 9, 0, 0},
                     {2026, 12, 7, 9, 0, 2},
                     2,
                     "毎行(１処理)",
                     "a.dwg",
                     {},
                     {},
                     RunResult::kDone,
                     {}};
  const std::string bytes =
      "2026/12/07 09:00:00,2026/12/07 09:00:02,2,毎行(１処理),a.dwg,,,完了,\r\n";
  RunRecordQueue queue(folder.path());
  std::filesystem::create_directory(path);  // held: cannot be opened for appending
  EXPECT_FALSE(queue.Append({line}));
  EXPECT_FALSE(queue.Append({line}));
  EXPECT_EQ(queue.Kept(), bytes + bytes);
  EXPECT_TRUE(queue.TakeWriteFailed());
  EXPECT_FALSE(queue.TakeWriteFailed());
  std::filesystem::remove(path);
  folder.Write(kRunRecordFileName, std::string(kRunRecordHeader) + "\r\nedited by hand");
  EXPECT_TRUE(queue.Flush());
  EXPECT_EQ(queue.Kept(), "");
  EXPECT_EQ(folder.Read(kRunRecordFileName),
            std::string(kRunRecordHeader) + "\r\nedited by hand\r\n" + bytes + bytes);
  EXPECT_TRUE(queue.Append({line}));
  EXPECT_EQ(folder.Read(kRunRecordFileName).size(),
            kRunRecordHeader.size() + 18 + 3 * bytes.size());
}

}  // namespace
}  // namespace drawlot
