// Starting other programs: AutoCAD, which the program waits for, and Notepad, which it does
// not. The Win32 launcher creates real processes; tests record what would have been started.
#pragma once

#include <cstdint>
#include <string>

namespace drawlot {

// Asked while a watched process runs: whether the user wants it ended now.
class RunWatch {
 public:
  virtual ~RunWatch() = default;
  virtual bool EndProcessRequested() const = 0;
};

// What the launcher saw of one process.
enum class ProcessEndKind {
  kNotStarted,   // it could not be created
  kExited,       // it ended by itself, with `exit_code`
  kTimedOut,     // it ran past the time limit and was ended
  kEndedByUser,  // the user had it ended from the progress window
};

struct ProcessEnd {
  ProcessEndKind kind = ProcessEndKind::kNotStarted;
  std::uint32_t exit_code = 0;

  friend bool operator==(const ProcessEnd&, const ProcessEnd&) = default;
};

class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts `program` (a full path) with `command_line` as the whole command line the program
  // sees, and returns once the started process has ended. False when it cannot be started.
  virtual bool RunAndWait(const std::string& program, const std::string& command_line) = 0;

  // As RunAndWait, but the thread keeps handling its messages while the process runs; the
  // process is ended when it has run `limit_milliseconds` (0: no limit) or when `watch` asks
  // for it. Says how it ended. A launcher that cannot watch just waits.
  virtual ProcessEnd RunAndWatch(const std::string& program, const std::string& command_line,
                                 std::uint64_t /*limit_milliseconds*/, const RunWatch* /*watch*/) {
    if (!RunAndWait(program, command_line)) return ProcessEnd{ProcessEndKind::kNotStarted, 0};
    return ProcessEnd{ProcessEndKind::kExited, 0};
  }

  // Starts `program` (a full path) with `command_line` and returns at once. False when it
  // cannot be started.
  virtual bool Start(const std::string& program, const std::string& command_line) = 0;

  // The pause between two runs of the blocking per-row loop.
  virtual void Pause(int milliseconds) = 0;
};

}  // namespace drawlot
