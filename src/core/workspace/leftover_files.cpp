#include "core/workspace/leftover_files.h"

#include <cstdio>

#include "core/text/cp932.h"

namespace drawlot {

void RemoveLeftoverTemporaryFiles(const FileSystem& files, std::string_view folder) {
  for (const DirectoryEntry& entry : files.List(JoinWithBackslash(folder, "~dl*.tmp"))) {
    if (entry.attributes & kAttributeDirectory) continue;
    if (!IsLeftoverTemporaryName(entry.name)) continue;
    std::remove(JoinPath(folder, entry.name).c_str());
  }
}

}  // namespace drawlot
