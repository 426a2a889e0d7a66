#include "core/platform/file_system.h"

namespace drawlot {

std::optional<std::string> FindOnFixedDrives(const FileSystem& files, std::string_view name) {
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (files.TypeOfDrive(letter) != DriveType::kFixed) continue;
    const std::string root{letter, ':', '\\'};
    if (auto found = files.SearchTree(root, name)) return found;
  }
  return std::nullopt;
}

}  // namespace drawlot
