// The AutoCAD stand-in. Started in place of AutoCAD (or of Notepad), it appends to
// "standin.log" beside itself one entry with the command line exactly as it got it, the path
// of the script (the text between the first two double quotes of the command line) and the
// script's bytes as they were when it started:
//
//   [run]<CR LF>
//   id=<its process id>.<the tick it started at><CR LF>
//   command_line=<the command line><CR LF>
//   script=<the script path><CR LF>
//   bytes=<the script's size in bytes, or "none" when it cannot be read><CR LF>
//   <the script's bytes>
//   [ended <its id>]<CR LF>
//
// Starts that run at the same time append whole entries, each in one write; the end line names
// its start, since another start's entry may come between (and a process id alone may come
// again later in the same log).
//
// With a file "standin.wait" beside it, it waits the number of milliseconds that file holds
// before it writes its end line and ends, so that a test sees whether its starter waited. With a
// file "standin.hang" beside it, a script that names the drawing that file holds makes it hang
// (as AutoCAD stopped at a dialog) until it is ended from outside; with "standin.exit" it ends
// with the exit code that file holds instead of 0. With "standin.per_drawing" it waits that
// many milliseconds more for each drawing the script opens (the trailer's end drawing aside),
// as AutoCAD plots them one after the other.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  // The folder's names may hold double-byte characters whose second byte is a backslash.
  std::size_t last = std::string::npos;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(folder[i])) && i + 1 < folder.size()) {
      ++i;
    } else if (folder[i] == '\\') {
      last = i;
    }
  }
  return last == std::string::npos ? std::string() : folder.substr(0, last);
}

std::optional<std::string> ReadWhole(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

// Another start may hold the log for its own write: wait for it rather than lose the entry.
void Append(const std::string& path, const std::string& bytes) {
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 500 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) return;
    if (file == INVALID_HANDLE_VALUE) Sleep(5);
  }
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string QuotedPath(const std::string& command_line) {
  const std::size_t open = command_line.find('"');
  if (open == std::string::npos) return std::string();
  const std::size_t close = command_line.find('"', open + 1);
  if (close == std::string::npos) return std::string();
  return command_line.substr(open + 1, close - open - 1);
}

}  // namespace

int main() {
  const std::string folder = OwnFolder();
  const std::string log = folder + "\\standin.log";
  const std::string command_line = GetCommandLineA();
  const std::string script_path = QuotedPath(command_line);
  const std::optional<std::string> script = ReadWhole(script_path);

  const std::string id =
      std::to_string(GetCurrentProcessId()) + "." + std::to_string(GetTickCount64());
  std::string entry = "[run]\r\nid=" + id + "\r\ncommand_line=" + command_line +
                      "\r\nscript=" + script_path +
                      "\r\nbytes=" + (script ? std::to_string(script->size()) : "none") + "\r\n";
  if (script) entry += *script;
  Append(log, entry);

  const auto hang = ReadWhole(folder + "\\standin.hang");
  if (hang && !hang->empty() && script && script->find(*hang) != std::string::npos) {
    Append(log, "[hangs]\r\n");
    Sleep(INFINITE);
  }
  if (const auto wait = ReadWhole(folder + "\\standin.wait")) {
    Sleep(static_cast<DWORD>(std::atoi(wait->c_str())));
  }
  if (const auto per_drawing = ReadWhole(folder + "\\standin.per_drawing"); per_drawing && script) {
    int opens = -1;  // the trailer opens the end drawing
    for (std::size_t at = script->find("open "); at != std::string::npos;
         at = script->find("open ", at + 1)) {
      if (at == 0 || (*script)[at - 1] == '\n') ++opens;
    }
    if (opens > 0) Sleep(static_cast<DWORD>(opens * std::atoi(per_drawing->c_str())));
  }
  Append(log, "[ended " + id + "]\r\n");
  const auto code = ReadWhole(folder + "\\standin.exit");
  return code ? std::atoi(code->c_str()) : 0;
}
