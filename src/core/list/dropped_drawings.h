// Files and folders dropped on the main window: added at the end of the list in the order they
// came, a drawing file as the open dialog adds it, a folder as the folder commands add its
// drawings (both kinds, no subfolders). Anything else is left out and counted.
#pragma once

#include <span>
#include <string>

#include "core/list/add_drawings.h"

namespace drawlot {

// The number of paths left out: neither a .dwg or .dxf file nor a folder.
int AddDroppedPaths(AddingContext& context, std::span<const std::string> paths);

// What the status bar says after a drop: empty when nothing was left out.
std::string LeftOutText(int left_out);

}  // namespace drawlot
