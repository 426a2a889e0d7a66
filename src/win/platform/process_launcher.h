// The real Launcher: processes created with CreateProcessA.
#pragma once

#include "core/platform/launcher.h"

namespace drawlot {

class ProcessLauncher : public Launcher {
 public:
  // No handles inherited, normal priority, this process's environment and current directory,
  // default start-up information; waits without a time-out.
  bool RunAndWait(const std::string& program, const std::string& command_line) override;
  bool Start(const std::string& command_line) override;
  void Pause(int milliseconds) override;
};

}  // namespace drawlot
