// The real Launcher: processes created with CreateProcessA.
#pragma once

#include <string>

#include "core/platform/launcher.h"

namespace drawlot {

class ProcessLauncher : public Launcher {
 public:
  // No handles inherited, normal priority, this process's environment and current directory,
  // default start-up information. The waiter is a thread of its own per process; a process we
  // end gets exit code 1.
  std::unique_ptr<WatchedProcess> StartWatched(const std::string& program,
                                               const std::string& command_line,
                                               std::uint64_t limit_milliseconds,
                                               ProcessReports reports) override;
  bool Start(const std::string& program, const std::string& command_line) override;
};

// The system's own Notepad, in the system folder. Found through the search path instead, a
// "notepad.exe" in the current folder (a shared data folder, say) would run in its place.
std::string SystemNotepadPath();

}  // namespace drawlot
