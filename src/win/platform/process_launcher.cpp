#include "win/platform/process_launcher.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "win/platform/dialog.h"

namespace drawlot {
namespace {

// The exit code given to a process we end; the record shows none for it.
constexpr UINT kEndedExitCode = 1;

// Dispatches what is queued; false once the quit message came (it is posted again for the main
// loop, which ends the program after the run).
bool DispatchQueued() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    DispatchQueuedMessage(message);
  }
  return true;
}

ProcessEnd EndProcess(HANDLE process, ProcessEndKind kind) {
  TerminateProcess(process, kEndedExitCode);
  // The drawing's files are released only once the process is really gone.
  WaitForSingleObject(process, 10000);
  return ProcessEnd{kind, 0};
}

ProcessEnd WatchProcess(HANDLE process, std::uint64_t limit_milliseconds, const RunWatch* watch) {
  const ULONGLONG deadline = GetTickCount64() + limit_milliseconds;
  bool pumping = true;
  for (;;) {
    DWORD wait = INFINITE;
    if (limit_milliseconds > 0) {
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return EndProcess(process, ProcessEndKind::kTimedOut);
      wait = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 0x7FFFFFFF));
    }
    const DWORD woke = pumping ? MsgWaitForMultipleObjects(1, &process, FALSE, wait, QS_ALLINPUT)
                               : WaitForSingleObject(process, wait);
    if (woke == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process, &code);
      return ProcessEnd{ProcessEndKind::kExited, code};
    }
    if (woke == WAIT_OBJECT_0 + 1) pumping = DispatchQueued();
    if (watch && watch->EndProcessRequested()) {
      return EndProcess(process, ProcessEndKind::kEndedByUser);
    }
  }
}

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

bool ProcessLauncher::RunAndWait(const std::string& program, const std::string& command_line) {
  PROCESS_INFORMATION process{};
  if (!CreateWithDefaults(program.c_str(), command_line, process)) return false;
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  return true;
}

ProcessEnd ProcessLauncher::RunAndWatch(const std::string& program, const std::string& command_line,
                                        std::uint64_t limit_milliseconds, const RunWatch* watch) {
  PROCESS_INFORMATION process{};
  if (!CreateWithDefaults(program.c_str(), command_line, process)) return ProcessEnd{};
  CloseHandle(process.hThread);
  const ProcessEnd end = WatchProcess(process.hProcess, limit_milliseconds, watch);
  CloseHandle(process.hProcess);
  return end;
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

// The pause handles messages too, so the windows stay alive between the rows of a loop.
void ProcessLauncher::Pause(int milliseconds) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  bool pumping = true;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    const DWORD wait = static_cast<DWORD>(end - now);
    if (!pumping) {
      Sleep(wait);
      break;
    }
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0) {
      pumping = DispatchQueued();
    }
  }
}

}  // namespace drawlot
