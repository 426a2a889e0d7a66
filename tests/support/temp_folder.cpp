#include "support/temp_folder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "core/text/file_io.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace drawlot::testing {
namespace {

#ifdef _WIN32
std::vector<std::string> List(const std::string& path) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}
std::string SystemTemp() {
  char buffer[MAX_PATH + 1];
  const DWORD n = GetTempPathA(sizeof buffer, buffer);
  return std::string(buffer, n);
}
bool MakeDir(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}
void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}
int ProcessId() {
  return static_cast<int>(GetCurrentProcessId());
}
// A folder that is the current directory cannot be removed: the file dialogs move it there.
void LeaveFolder(const std::string& path) {
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof current, current);
  if (std::string(current).starts_with(path)) SetCurrentDirectoryA(SystemTemp().c_str());
}
#else
std::vector<std::string> List(const std::string& path) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) names.push_back(entry->d_name);
    closedir(dir);
  }
  return names;
}
void LeaveFolder(const std::string&) {}
std::string SystemTemp() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && *tmp ? tmp : "/tmp";
}
bool MakeDir(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0;
}
void RemoveTree(const std::string& path) {
  if (DIR* dir = opendir(path.c_str())) {
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      const std::string child = path + "/" + name;
      struct stat st {};
      if (lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        RemoveTree(child);
      } else {
        unlink(child.c_str());
      }
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}
int ProcessId() {
  return static_cast<int>(getpid());
}
#endif

}  // namespace

TempFolder::TempFolder(std::string_view leaf) {
  // Process ids repeat (under Wine they are small and soon reused), and a run that was killed
  // leaves its folders behind: take the next free name rather than fail.
  static int counter = 0;
  std::string base;
  for (int attempt = 0;; ++attempt) {
    base = JoinPath(SystemTemp(),
                    "dlt" + std::to_string(ProcessId()) + "_" + std::to_string(++counter));
    if (MakeDir(base)) break;
    if (attempt == 10000) throw std::runtime_error("cannot create " + base);
  }
  base_ = base;
  path_ = JoinPath(base, leaf);
  if (!MakeDir(path_)) throw std::runtime_error("cannot create " + path_);
}

TempFolder::~TempFolder() {
  // The parent folder made for this instance goes too.
  LeaveFolder(base_);
  RemoveTree(base_);
}

std::string TempFolder::File(std::string_view name) const {
  return JoinPath(path_, name);
}

void TempFolder::Write(std::string_view name, std::string_view bytes) const {
  std::FILE* f = std::fopen(File(name).c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + File(name));
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string TempFolder::Read(std::string_view name) const {
  return ReadFileBytes(File(name)).value_or(std::string());
}

bool TempFolder::Exists(std::string_view name) const {
  return ReadFileBytes(File(name)).has_value();
}

void TempFolder::MakeFolder(std::string_view name) const {
  if (!MakeDir(File(name))) throw std::runtime_error("cannot create " + File(name));
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (std::string& name : List(path_)) {
    if (name != "." && name != "..") names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Visible(std::string_view bytes) {
  std::string out;
  static const char* kHex = "0123456789ABCDEF";
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n\n";
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace drawlot::testing
