// What a run keeps beside the rows it runs: its settings (time limit, missing-drawing check,
// record), the progress window it reports to, the record lines it appends, and the rows that
// did not end well, which are the selected rows once a per-row run is over.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/launcher.h"
#include "core/platform/prompter.h"
#include "core/script/run_outcome.h"
#include "core/script/run_record.h"

namespace drawlot {

// How a run was asked for; the record's 方式.
enum class RunMode { kAllScript, kSelectedScript, kPerRowLoop, kPerRowTimed };
std::string_view RunModeText(RunMode mode);

// The run settings of "drawlot.ini" (core/workspace/program_settings.h).
struct RunSettings {
  int time_limit_seconds = 0;  // per drawing; 0 = none
  bool check_missing = true;
  bool record = true;

  friend bool operator==(const RunSettings&, const RunSettings&) = default;
};
inline constexpr int kMaxTimeLimitSeconds = 86400;

// The local time and a millisecond counter; the Win32 one reads the system's.
class RunClock {
 public:
  virtual ~RunClock() = default;
  virtual LocalTime Now() const = 0;
  virtual std::uint64_t Milliseconds() const = 0;
};

// The progress window: what runs now, and whether the user pressed "中止".
class RunProgress : public RunWatch {
 public:
  // `number` counts from 1; `drawings` > 0 for a single-script run of that many drawings.
  virtual void DrawingStarted(int number, int total, std::string_view drawing, int drawings) = 0;
  // Its process has ended (or was never started).
  virtual void DrawingEnded() {}
  // The run goes on to no further drawing.
  virtual bool StopRequested() const = 0;
};

// The cells a record line names for a row.
struct DrawingFacts {
  std::string drawing;
  std::string printer;
  std::string paper;
};
DrawingFacts FactsOf(const RowStore& rows, const ItemSlots& items, int row);

// Of `candidates`, the rows whose drawing (folder and file name as the script joins them) is
// not there, in the order given.
std::vector<int> MissingDrawings(const RowStore& rows, const ItemSlots& items,
                                 std::span<const int> candidates,
                                 const std::function<bool(const std::string&)>& exists);
// Lists up to 10 of the missing drawings' names and asks whether to run the rest. True: leave
// them out and run the rest (Yes).
bool ConfirmLeavingOut(Prompter& prompter, WindowRef owner, const RowStore& rows,
                       const ItemSlots& items, std::span<const int> missing);

class RunSession {
 public:
  RunSession(RunMode mode, const RunSettings& settings, std::string record_folder, RunClock& clock,
             RunProgress& progress);

  // Whether a drawing file is there; the Win32 shell asks the file system.
  std::function<bool(const std::string&)> drawing_exists;

  RunMode mode() const { return mode_; }
  const RunSettings& settings() const { return settings_; }
  RunProgress& progress() { return progress_; }
  // The time limit of one process that runs `drawings` drawings, in milliseconds; 0 = none.
  std::uint64_t TimeLimitMilliseconds(int drawings) const;

  // The rows the run will go through, for "row n of N".
  void SetTotal(int total) { total_ = total; }
  // Rows found missing before the run and left out: they are never started.
  void LeaveOut(std::vector<int> rows) { left_out_ = std::move(rows); }
  bool IsLeftOut(int row) const;

  // A drawing (row -1: a single script of `drawings` drawings) starts; shown in the progress.
  void Begin(int row, DrawingFacts facts, int drawings = 0);
  // The process of the drawing begun last ended: its record line, and its row kept when it did
  // not end well.
  void End(const ProcessEnd& end);
  // A row that the run passes by without starting AutoCAD: left out as missing, or not reached
  // after "中止".
  void Missing(int row, DrawingFacts facts);
  void NotReached(int row) { not_well_.push_back(row); }

  // The drawings of the process begun last: 0 for one row, N for a single script.
  int drawings() const { return drawings_; }
  int total() const { return total_; }
  // The rows that did not end well, in the order the run met them.
  const std::vector<int>& NotWell() const { return not_well_; }
  int RowsMet() const { return met_; }
  bool RecordFailed() const { return record_failed_; }
  RunResult LastResult() const { return last_result_; }

 private:
  void Write(RunResult result, const std::string& exit_code);

  RunMode mode_;
  RunSettings settings_;
  std::string record_folder_;
  RunClock& clock_;
  RunProgress& progress_;
  int total_ = 0;
  int met_ = 0;
  std::vector<int> left_out_;
  std::vector<int> not_well_;
  bool record_failed_ = false;
  RunResult last_result_ = RunResult::kDone;
  // The drawing begun last.
  int row_ = -1;
  int drawings_ = 0;
  DrawingFacts facts_;
  LocalTime started_at_;
  std::uint64_t started_ms_ = 0;
};

// After a per-row run: the rows that did not end well become the selected rows and all others
// are unselected; when there are any, a box says how many of how many (not after a launch that
// failed, whose own box has been shown).
void SelectRowsThatDidNotEndWell(RowStore& rows, const RunSession& session, Prompter& prompter,
                                 WindowRef owner);
// The status bar's words on how the last run ended.
std::string RunStatusText(const RunSession& session);

}  // namespace drawlot
