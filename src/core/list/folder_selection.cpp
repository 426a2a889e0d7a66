#include "core/list/folder_selection.h"

#include "core/list/list_rows.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::size_t kDriveRootLength = 3;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameDriveRoot(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::optional<int> DriveIcon(DriveType type) {
  switch (type) {
    case DriveType::kFixed:
      return kFolderIconFixedDrive;
    case DriveType::kCdRom:
      return kFolderIconCdRom;
    case DriveType::kRemovable:
      return kFolderIconRemovable;
    case DriveType::kRemote:
      return kFolderIconNetwork;
    case DriveType::kRamDisk:
      return kFolderIconRamDisk;
    default:
      return std::nullopt;
  }
}

void AddDriveRows(const FileSystem& files, std::string_view current, std::vector<FolderRow>& rows) {
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string root{letter, ':', '\\'};
    const auto icon = DriveIcon(files.TypeOfDrive(letter));
    if (icon && !SameDriveRoot(root, current)) rows.push_back({root, "", *icon});
  }
}

FolderRow RowOfEntry(const DirectoryEntry& entry) {
  const int icon = entry.name.starts_with('.') ? kFolderIconDotName : kFolderIconFolder;
  return {entry.name, FormatFileTime(entry.last_write), icon};
}

bool IsDriveRootName(std::string_view name) {
  return name.size() == kDriveRootLength && name[1] == ':' && name[2] == '\\';
}

std::string FolderAbove(std::string_view current) {
  const std::size_t slash = FindLastBackslash(current);
  std::string above(slash == std::string_view::npos || slash == 0 ? std::string_view{}
                                                                  : current.substr(0, slash));
  if (above.size() == 2) above += '\\';  // "C:" is the root C:\ .
  return above;
}

std::string FolderBelow(std::string_view current, std::string_view name) {
  std::string below(current);
  if (current.size() > kDriveRootLength || current.size() == 2) {
    below += '\\';
  } else if (current.size() == 1) {
    below += ":\\";
  }
  below += name;
  return below;
}

}  // namespace

std::vector<FolderRow> FolderRows(const FileSystem& files, std::string_view current) {
  std::vector<FolderRow> rows;
  if (current.size() == kDriveRootLength) AddDriveRows(files, current, rows);
  const std::vector<DirectoryEntry> entries = files.List(std::string(current) + "\\*");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    // The first entry is "." in any folder but a drive root, and is listed whatever it is.
    if (i == 0 || entries[i].attributes == kAttributeDirectory) {
      rows.push_back(RowOfEntry(entries[i]));
    }
  }
  return rows;
}

std::optional<std::string> FolderAfterDoubleClick(std::string_view current, std::string_view name) {
  std::string next;
  if (IsDriveRootName(name)) {
    next = name;
  } else if (name.starts_with('.')) {
    next = FolderAbove(current);
  } else {
    next = FolderBelow(current, name);
  }
  if (next.size() > kMaxPathBytes) return std::nullopt;
  return next;
}

int LoadSelectedFolders(AddingContext& context, std::string_view current,
                        const std::vector<std::string>& names, FolderLoadKind kind) {
  int position = context.rows.RowCount();
  const auto add = [&](std::string_view folder, DrawingKind drawing_kind) {
    const int next = AddMatchingFiles(context, folder, drawing_kind, position);
    if (next != 0) position = next;
  };
  for (const std::string& name : names) {
    const auto folder = JoinFolderPath(current, name);
    if (!folder) continue;
    if (kind != FolderLoadKind::kDxf) add(*folder, DrawingKind::kDwg);
    if (kind != FolderLoadKind::kDwg) add(*folder, DrawingKind::kDxf);
  }
  return position;
}

}  // namespace drawlot
