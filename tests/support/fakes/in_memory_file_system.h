// A file system of folders and files held in memory, for the native tests: listings come back
// in the order the entries were added (as the system's own order), names match without regard
// to ASCII case, and attributes and drive types are whatever the test sets.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/file_system.h"

namespace drawlot {

class InMemoryFileSystem : public FileSystem {
 public:
  // Adds a folder and its entry in the parent folder (made as a plain folder when missing).
  // A folder that is not a drive root starts with the entries "." and "..".
  void AddFolder(std::string_view path, unsigned attributes = kAttributeDirectory,
                 LocalFileTime last_write = {});
  // Adds a file to its folder (made when missing).
  void AddFile(std::string_view path, LocalFileTime last_write = {},
               unsigned attributes = kAttributeArchive);
  void SetDriveType(char letter, DriveType type);

  std::vector<DirectoryEntry> List(std::string_view pattern) const override;
  DriveType TypeOfDrive(char letter) const override;
  std::optional<std::string> SearchTree(std::string_view root,
                                        std::string_view name) const override;

  // Every pattern listed and every root searched, in order.
  mutable std::vector<std::string> listed_patterns;
  mutable std::vector<std::string> searched_roots;

 private:
  struct Folder {
    std::string path;  // as first given, without a trailing backslash
    std::vector<DirectoryEntry> entries;
  };
  Folder& FolderAt(std::string_view path);

  std::map<std::string, Folder> folders_;  // by lower-case path
  std::map<char, DriveType> drive_types_;
};

// True when `name` matches `mask` ("*" and "?" wildcards), without regard to ASCII case.
bool MatchesWildcard(std::string_view name, std::string_view mask);

}  // namespace drawlot
