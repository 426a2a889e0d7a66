// FileSystem over the Win32 API: FindFirstFileA / FindNextFileA listings with the last-write
// time in local time, GetDriveTypeA, and imagehlp's SearchTreeForFile.
#pragma once

#include <windows.h>

#include "core/platform/file_system.h"

namespace drawlot {

// A file time of the system (UTC) as the local time the list shows; zero when it cannot be.
LocalFileTime LocalTimeOf(const FILETIME& written);

class Win32FileSystem : public FileSystem {
 public:
  std::vector<DirectoryEntry> List(std::string_view pattern) const override;
  DriveType TypeOfDrive(char letter) const override;
  std::optional<std::string> SearchTree(std::string_view root,
                                        std::string_view name) const override;
};

}  // namespace drawlot
