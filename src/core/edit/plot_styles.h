// The plot styles AutoCAD offers: the entries of the "Plot Styles" folder beside the AutoCAD
// executable, listed fresh each time a style box is filled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/platform/file_system.h"

namespace drawlot {

inline constexpr int kMaxPlotStyles = 100;
// A style name is kept in a 256-byte field.
inline constexpr std::size_t kPlotStyleNameBytes = 255;

// The folder of `autocad_file`: the text before its last backslash that is a character of its
// own and not at position 0. Empty when there is none.
std::string_view AutoCadFolder(std::string_view autocad_file);

// The names in "<AutoCAD folder>\Plot Styles\*.*" (files and folders alike) in the order the
// file system returns them, at most 100: names of 3 bytes or more that are not shortcuts
// (".lnk" / ".LNK"). No AutoCAD folder gives an empty list.
std::vector<std::string> ListPlotStyles(const FileSystem& files, std::string_view autocad_file);

}  // namespace drawlot
