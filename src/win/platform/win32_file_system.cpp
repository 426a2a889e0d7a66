#include "win/platform/win32_file_system.h"

#include <windows.h>

#include <imagehlp.h>

#include "win/platform/system_library.h"

namespace drawlot {

LocalFileTime LocalTimeOf(const FILETIME& written) {
  FILETIME local{};
  SYSTEMTIME time{};
  if (!FileTimeToLocalFileTime(&written, &local) || !FileTimeToSystemTime(&local, &time)) {
    return {};
  }
  return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute};
}

std::vector<DirectoryEntry> Win32FileSystem::List(std::string_view pattern) const {
  std::vector<DirectoryEntry> entries;
  // The pattern is handed over in a 260-byte buffer; a longer one is never cut to another.
  if (pattern.size() > kMaxPathBytes) return entries;
  const std::string text(pattern);
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(text.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back(
        {found.cFileName, found.dwFileAttributes, LocalTimeOf(found.ftLastWriteTime)});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

DriveType Win32FileSystem::TypeOfDrive(char letter) const {
  const char root[] = {letter, ':', '\\', '\0'};
  return static_cast<DriveType>(GetDriveTypeA(root));
}

std::optional<std::string> Win32FileSystem::SearchTree(std::string_view root,
                                                       std::string_view name) const {
  // imagehlp declares the two inputs as writable buffers.
  std::string root_text(root);
  std::string name_text(name);
  char found[MAX_PATH] = {};
  // imagehlp.dll (and the dbghelp.dll it imports) is loaded on the first search, not at start.
  static const auto search_tree =
      SystemFunction<decltype(&SearchTreeForFile)>("imagehlp.dll", "SearchTreeForFile");
  if (!search_tree || !search_tree(root_text.data(), name_text.data(), found)) return std::nullopt;
  return std::string(found);
}

}  // namespace drawlot

static_assert(static_cast<int>(drawlot::DriveType::kFixed) == DRIVE_FIXED);
static_assert(static_cast<int>(drawlot::DriveType::kCdRom) == DRIVE_CDROM);
static_assert(static_cast<int>(drawlot::DriveType::kRemovable) == DRIVE_REMOVABLE);
static_assert(static_cast<int>(drawlot::DriveType::kRemote) == DRIVE_REMOTE);
static_assert(static_cast<int>(drawlot::DriveType::kRamDisk) == DRIVE_RAMDISK);
static_assert(drawlot::kAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY);
static_assert(drawlot::kAttributeHidden == FILE_ATTRIBUTE_HIDDEN);
static_assert(drawlot::kAttributeReadOnly == FILE_ATTRIBUTE_READONLY);
static_assert(drawlot::kAttributeArchive == FILE_ATTRIBUTE_ARCHIVE);
