// A Launcher that records what would have been started, in order, and answers from flags. A
// test can look at the world at the moment of each run through `on_run` (for example to read
// the script AutoCAD would have been given).
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

  bool RunAndWait(const std::string& program, const std::string& command_line) override {
    runs.push_back(Run{program, command_line});
    events.push_back("run");
    if (on_run) on_run(runs.back());
    return programs_start;
  }
  // Answers from `ends` in order (then "exited with 0"); the limit of each run is kept.
  ProcessEnd RunAndWatch(const std::string& program, const std::string& command_line,
                         std::uint64_t limit_milliseconds, const RunWatch* watch) override {
    limits.push_back(limit_milliseconds);
    if (!RunAndWait(program, command_line)) return ProcessEnd{};
    if (watch && watch->EndProcessRequested()) return ProcessEnd{ProcessEndKind::kEndedByUser, 0};
    if (limits.size() > ends.size()) return ProcessEnd{ProcessEndKind::kExited, 0};
    return ends[limits.size() - 1];
  }
  bool Start(const std::string& program, const std::string& command_line) override {
    started_programs.push_back(program);
    started.push_back(command_line);
    events.push_back("start");
    return programs_start;
  }
  void Pause(int milliseconds) override {
    pauses.push_back(milliseconds);
    events.push_back("pause");
  }

  bool programs_start = true;  // false: every start fails
  std::function<void(const Run&)> on_run;
  std::vector<Run> runs;
  std::vector<std::string> started;
  std::vector<std::string> started_programs;
  std::vector<int> pauses;
  std::vector<ProcessEnd> ends;
  std::vector<std::uint64_t> limits;
  std::vector<std::string> events;
};

}  // namespace drawlot::testing
