// The real Launcher: processes created with CreateProcessA.
#pragma once

#include <string>

#include "core/platform/launcher.h"

namespace drawlot {

class ProcessLauncher : public Launcher {
 public:
  // No handles inherited, normal priority, this process's environment and current directory,
  // default start-up information; waits without a time-out.
  bool RunAndWait(const std::string& program, const std::string& command_line) override;
  // Waits with MsgWaitForMultipleObjects and dispatches the thread's messages meanwhile (the
  // windows repaint, the progress window answers); ends the process with TerminateProcess at
  // the limit or when `watch` asks.
  ProcessEnd RunAndWatch(const std::string& program, const std::string& command_line,
                         std::uint64_t limit_milliseconds, const RunWatch* watch) override;
  bool Start(const std::string& program, const std::string& command_line) override;
  void Pause(int milliseconds) override;
};

// The system's own Notepad, in the system folder. Found through the search path instead, a
// "notepad.exe" in the current folder (a shared data folder, say) would run in its place.
std::string SystemNotepadPath();

}  // namespace drawlot
