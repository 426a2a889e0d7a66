// A Launcher that records what would have been started, in order, and answers from flags. A
// test can look at the world at the moment of each run through `on_run` (for example to read
// the script AutoCAD would have been given). A watched process ends as `ends` says, in order
// (then with exit code 0): its report is handed on at once, as a waiter's would be later.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/platform/launcher.h"

namespace drawlot::testing {

class RecordingLauncher : public Launcher {
 public:
  struct Run {
    std::string program;
    std::string command_line;
  };
  // How a watched process ends: by itself with `exit_code`, or it hangs until it is ended
  // (its deadline reported first, when it has one).
  struct End {
    bool hangs = false;
    std::uint32_t exit_code = 0;
  };

  std::unique_ptr<WatchedProcess> StartWatched(const std::string& program,
                                               const std::string& command_line,
                                               std::uint64_t limit_milliseconds,
                                               ProcessReports reports) override {
    runs.push_back(Run{program, command_line});
    limits.push_back(limit_milliseconds);
    events.push_back("run");
    if (on_run) on_run(runs.back());
    if (!programs_start) return nullptr;
    const End end = runs.size() <= ends.size() ? ends[runs.size() - 1] : End{};
    auto process = std::make_unique<Process>(reports);
    if (!end.hangs) {
      process->over = true;
      reports(ProcessReport{.exit_code = end.exit_code});
    } else if (limit_milliseconds > 0) {
      reports(ProcessReport{.deadline_passed = true});
    }
    return process;
  }
  bool Start(const std::string& program, const std::string& command_line) override {
    started_programs.push_back(program);
    started.push_back(command_line);
    events.push_back("start");
    return programs_start;
  }

  bool programs_start = true;  // false: every start fails
  std::function<void(const Run&)> on_run;
  std::vector<Run> runs;
  std::vector<std::string> started;
  std::vector<std::string> started_programs;
  std::vector<End> ends;
  std::vector<std::uint64_t> limits;
  std::vector<std::string> events;

 private:
  struct Process : WatchedProcess {
    explicit Process(ProcessReports to) : reports(std::move(to)) {}
    void End() override {
      if (over) return;
      over = true;
      reports(ProcessReport{.exit_code = 1, .ended_by_us = true});
    }
    ProcessReports reports;
    bool over = false;
  };
};

}  // namespace drawlot::testing
