// One entry of a file dialog's type list, shared by every picker interface.
#pragma once

#include <string>

namespace drawlot {

// The text shown in the type list and its wildcard pattern.
struct FileFilter {
  std::string description;  // "DwgFile(*.dwg)"
  std::string pattern;      // "*.dwg"
};

}  // namespace drawlot
