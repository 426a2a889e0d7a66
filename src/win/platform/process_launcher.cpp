#include "win/platform/process_launcher.h"

#include <windows.h>

#include <vector>

namespace drawlot {
namespace {

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

void ProcessLauncher::Pause(int milliseconds) {
  Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace drawlot
