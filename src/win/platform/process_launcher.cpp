#include "win/platform/process_launcher.h"

#include <windows.h>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace drawlot {
namespace {

// The exit code given to a process we end; the record shows none for it.
constexpr UINT kEndedExitCode = 1;

// A watched process, shared by its owner and its waiter: whichever goes last closes the handle.
// The lock makes "did our end take it" one answer: the waiter reads it only once the process
// is gone, and End decides it only while the process still runs.
class ProcessWaiter : public WatchedProcess {
 public:
  struct Shared {
    explicit Shared(HANDLE handle) : process(handle) {}
    ~Shared() { CloseHandle(process); }
    HANDLE process;
    std::mutex lock;
    bool ended_by_us = false;
  };

  explicit ProcessWaiter(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  void End() override {
    const std::lock_guard<std::mutex> hold(shared_->lock);
    if (shared_->ended_by_us || WaitForSingleObject(shared_->process, 0) != WAIT_TIMEOUT) return;
    shared_->ended_by_us = TerminateProcess(shared_->process, kEndedExitCode) != 0;
  }

  // Off the window's thread: the deadline (once), then the end.
  static void Wait(std::shared_ptr<Shared> shared, std::uint64_t limit_milliseconds,
                   ProcessReports reports) {
    if (limit_milliseconds > 0) {
      const DWORD wait =
          static_cast<DWORD>(std::min<std::uint64_t>(limit_milliseconds, 0xFFFFFFFE));
      if (WaitForSingleObject(shared->process, wait) == WAIT_TIMEOUT) {
        reports(ProcessReport{.deadline_passed = true});
      }
    }
    WaitForSingleObject(shared->process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(shared->process, &code);
    bool ended_by_us = false;
    {
      const std::lock_guard<std::mutex> hold(shared->lock);
      ended_by_us = shared->ended_by_us;
    }
    reports(ProcessReport{.exit_code = code, .ended_by_us = ended_by_us});
  }

 private:
  std::shared_ptr<Shared> shared_;
};

// CreateProcessA may write into the command line, so it gets a copy of its own.
bool CreateWithDefaults(const char* program, const std::string& command_line,
                        PROCESS_INFORMATION& process) {
  std::vector<char> line(command_line.begin(), command_line.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  return CreateProcessA(program, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process) != 0;
}

}  // namespace

std::unique_ptr<WatchedProcess> ProcessLauncher::StartWatched(const std::string& program,
                                                              const std::string& command_line,
                                                              std::uint64_t limit_milliseconds,
                                                              ProcessReports reports) {
  PROCESS_INFORMATION process{};
  if (!CreateWithDefaults(program.c_str(), command_line, process)) return nullptr;
  CloseHandle(process.hThread);
  auto shared = std::make_shared<ProcessWaiter::Shared>(process.hProcess);
  try {
    std::thread(ProcessWaiter::Wait, shared, limit_milliseconds, std::move(reports)).detach();
  } catch (const std::system_error&) {
    // No thread for the waiter: the process is not left running unwatched.
    TerminateProcess(process.hProcess, kEndedExitCode);
    return nullptr;
  }
  return std::make_unique<ProcessWaiter>(std::move(shared));
}

bool ProcessLauncher::Start(const std::string& program, const std::string& command_line) {
  PROCESS_INFORMATION process{};
  if (!CreateWithDefaults(program.c_str(), command_line, process)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

std::string SystemNotepadPath() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return "C:\\Windows\\System32\\notepad.exe";
  return std::string(folder, length) + "\\notepad.exe";
}

}  // namespace drawlot
