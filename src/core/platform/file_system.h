// The file system as the drawing list sees it: directory listings with a pattern, drive types
// and the tree search for a file. The Win32 shell implements it over FindFirstFileA,
// GetDriveTypeA and imagehlp; tests use the in-memory file system (tests/support/fakes/).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/file_io.h"  // kMaxPathBytes

namespace drawlot {

// A file's last-write time, already converted to local time.
struct LocalFileTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

// Attribute bits, with the values of the Win32 FILE_ATTRIBUTE_* constants.
inline constexpr unsigned kAttributeReadOnly = 0x01;
inline constexpr unsigned kAttributeHidden = 0x02;
inline constexpr unsigned kAttributeSystem = 0x04;
inline constexpr unsigned kAttributeDirectory = 0x10;
inline constexpr unsigned kAttributeArchive = 0x20;
inline constexpr unsigned kAttributeNormal = 0x80;

// Drive types, with the values GetDriveTypeA returns.
enum class DriveType : int {
  kUnknown = 0,
  kNoRootDirectory = 1,
  kRemovable = 2,
  kFixed = 3,
  kRemote = 4,
  kCdRom = 5,
  kRamDisk = 6,
};

// One entry of a directory listing.
struct DirectoryEntry {
  std::string name;  // as the file system stores it
  unsigned attributes = 0;
  LocalFileTime last_write;  // already in local time
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The entries that match `pattern` (a folder, a backslash and a name with wildcards), in the
  // order the system returns them. Empty when nothing matches or the folder cannot be listed.
  virtual std::vector<DirectoryEntry> List(std::string_view pattern) const = 0;

  // The type of the drive whose letter is `letter` (a to z).
  virtual DriveType TypeOfDrive(char letter) const = 0;

  // Searches the tree below `root` (a drive root such as "c:\") for a file named `name` and
  // gives its full path, or nothing.
  virtual std::optional<std::string> SearchTree(std::string_view root,
                                                std::string_view name) const = 0;
};

// Searches the tree of every fixed drive, a:\ to z:\ in letter order, for a file named `name`;
// the first drive with a hit gives the path. The disk search of the list and the detection of
// AutoCAD's files both use it.
std::optional<std::string> FindOnFixedDrives(const FileSystem& files, std::string_view name);

}  // namespace drawlot
