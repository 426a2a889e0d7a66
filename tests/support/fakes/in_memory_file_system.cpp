#include "support/fakes/in_memory_file_system.h"

#include "core/text/cp932.h"

namespace drawlot {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Lower-cases ASCII letters but not the trail bytes of double-byte characters.
std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (IsLeadByte(folded[i])) {
      ++i;
    } else {
      folded[i] = LowerAscii(folded[i]);
    }
  }
  return folded;
}

// A folder without its trailing backslashes, so "C:\", "C:\\" and "c:" are one folder.
std::string_view WithoutTrailingBackslashes(std::string_view path) {
  while (EndsWithBackslash(path)) path.remove_suffix(1);
  return path;
}

bool IsDriveRoot(std::string_view folder) {
  return folder.size() == 2 && folder[1] == ':';
}

}  // namespace

bool MatchesWildcard(std::string_view name, std::string_view mask) {
  if (mask.empty()) return name.empty();
  // As on Windows, a mask's final ".*" also matches a name without a dot ("*.*" is every name).
  if (mask.ends_with(".*") && name.find('.') == std::string_view::npos) {
    return MatchesWildcard(name, mask.substr(0, mask.size() - 2));
  }
  if (mask[0] == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesWildcard(name.substr(skip), mask.substr(1))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (mask[0] != '?' && LowerAscii(mask[0]) != LowerAscii(name[0])) return false;
  return MatchesWildcard(name.substr(1), mask.substr(1));
}

InMemoryFileSystem::Folder& InMemoryFileSystem::FolderAt(std::string_view path) {
  const std::string_view bare = WithoutTrailingBackslashes(path);
  const std::string key = FoldCase(bare);
  auto found = folders_.find(key);
  if (found != folders_.end()) return found->second;
  if (!IsDriveRoot(bare)) {
    const std::size_t slash = FindLastBackslash(bare);
    if (slash != std::string_view::npos) {
      AddFolder(bare);
      return folders_.at(key);
    }
  }
  return folders_[key] = Folder{std::string(bare), {}};
}

void InMemoryFileSystem::AddFolder(std::string_view path, unsigned attributes,
                                   LocalFileTime last_write) {
  const std::string_view bare = WithoutTrailingBackslashes(path);
  const std::string key = FoldCase(bare);
  if (folders_.contains(key)) return;
  Folder folder{std::string(bare), {}};
  if (!IsDriveRoot(bare)) {
    folder.entries.push_back({".", kAttributeDirectory, last_write});
    folder.entries.push_back({"..", kAttributeDirectory, last_write});
    const std::size_t slash = FindLastBackslash(bare);
    if (slash != std::string_view::npos) {
      FolderAt(bare.substr(0, slash))
          .entries.push_back({std::string(bare.substr(slash + 1)), attributes, last_write});
    }
  }
  folders_[key] = std::move(folder);
}

void InMemoryFileSystem::AddFile(std::string_view path, LocalFileTime last_write,
                                 unsigned attributes) {
  const std::size_t slash = FindLastBackslash(path);
  if (slash == std::string_view::npos) return;
  FolderAt(path.substr(0, slash))
      .entries.push_back({std::string(path.substr(slash + 1)), attributes, last_write});
}

void InMemoryFileSystem::SetDriveType(char letter, DriveType type) {
  drive_types_[LowerAscii(letter)] = type;
}

std::vector<DirectoryEntry> InMemoryFileSystem::List(std::string_view pattern) const {
  listed_patterns.emplace_back(pattern);
  const std::size_t slash = FindLastBackslash(pattern);
  if (slash == std::string_view::npos) return {};
  const auto folder = folders_.find(FoldCase(WithoutTrailingBackslashes(pattern.substr(0, slash))));
  if (folder == folders_.end()) return {};
  const std::string_view mask = pattern.substr(slash + 1);
  std::vector<DirectoryEntry> matching;
  for (const DirectoryEntry& entry : folder->second.entries) {
    if (MatchesWildcard(entry.name, mask)) matching.push_back(entry);
  }
  return matching;
}

DriveType InMemoryFileSystem::TypeOfDrive(char letter) const {
  const auto found = drive_types_.find(LowerAscii(letter));
  return found == drive_types_.end() ? DriveType::kNoRootDirectory : found->second;
}

std::optional<std::string> InMemoryFileSystem::SearchTree(std::string_view root,
                                                          std::string_view name) const {
  searched_roots.emplace_back(root);
  const std::string prefix = FoldCase(WithoutTrailingBackslashes(root));
  for (const auto& [key, folder] : folders_) {
    if (!key.starts_with(prefix)) continue;
    if (key.size() > prefix.size() && key[prefix.size()] != '\\') continue;
    for (const DirectoryEntry& entry : folder.entries) {
      if ((entry.attributes & kAttributeDirectory) == 0 && FoldCase(entry.name) == FoldCase(name)) {
        return folder.path + "\\" + entry.name;
      }
    }
  }
  return std::nullopt;
}

}  // namespace drawlot
