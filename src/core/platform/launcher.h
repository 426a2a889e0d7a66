// Starting other programs: AutoCAD, which the program waits for, and Notepad, which it does
// not. The Win32 launcher creates real processes; tests record what would have been started.
#pragma once

#include <string>

namespace drawlot {

class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts `program` (a full path) with `command_line` as the whole command line the program
  // sees, and returns once the started process has ended. False when it cannot be started.
  virtual bool RunAndWait(const std::string& program, const std::string& command_line) = 0;

  // Starts `program` (a full path) with `command_line` and returns at once. False when it
  // cannot be started.
  virtual bool Start(const std::string& program, const std::string& command_line) = 0;

  // The pause between two runs of the blocking per-row loop.
  virtual void Pause(int milliseconds) = 0;
};

}  // namespace drawlot
