// Temporary files of ours that a killed save left in the start-up folder.
#pragma once

#include <string_view>

#include "core/platform/file_system.h"

namespace drawlot {

// Removes, from `folder` alone, the files whose names are the ones our saves give their
// temporary files ("~dl" + 8 hexadecimal digits + ".tmp"). Any other file is left alone, and so
// is one that a save still running in another program holds open (Windows refuses to remove it).
void RemoveLeftoverTemporaryFiles(const FileSystem& files, std::string_view folder);

}  // namespace drawlot
