// Starting other programs: AutoCAD, whose end a run is told of, and Notepad, which nothing
// waits for. The Win32 launcher creates real processes; tests record what would have been started.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace drawlot {

// What the waiter of a run's process saw: the deadline passed (the process still runs), or the
// process ended, by itself with `exit_code` or because our end took effect.
struct ProcessReport {
  bool deadline_passed = false;
  std::uint32_t exit_code = 0;
  bool ended_by_us = false;

  friend bool operator==(const ProcessReport&, const ProcessReport&) = default;
};
// Called from the waiter's thread, never the window's: it only hands the report on.
using ProcessReports = std::function<void(const ProcessReport&)>;

// A process a run started and watches. Dropping it leaves the process and its waiter alone.
class WatchedProcess {
 public:
  virtual ~WatchedProcess() = default;
  // Ends the process unless it has ended already; its end is reported as ended_by_us.
  virtual void End() = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts `program` (a full path) with `command_line` as the whole command line the program
  // sees and returns at once; a waiter off the caller's thread reports the deadline
  // `limit_milliseconds` after the start (0: none) and the process's end. nullptr when it
  // cannot be started.
  virtual std::unique_ptr<WatchedProcess> StartWatched(const std::string& program,
                                                       const std::string& command_line,
                                                       std::uint64_t limit_milliseconds,
                                                       ProcessReports reports) = 0;

  // Starts `program` (a full path) with `command_line` and returns at once. False when it
  // cannot be started.
  virtual bool Start(const std::string& program, const std::string& command_line) = 0;
};

}  // namespace drawlot
