// Adding the drawing that the search of the fixed disks found by its file name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/list/add_drawings.h"
#include "core/platform/file_system.h"

namespace drawlot {

// Appends the row of the file at `path` (split at its last backslash into folder and name),
// or warns when it cannot be listed.
void AddFoundDrawing(AddingContext& context, std::string_view path);

// What the disk search does with the entered text: find it on the fixed drives and add it, or
// tell the user that no disk holds it. Neither the last folder nor the file-name rules change.
void FindAndAddOnDisks(AddingContext& context, std::string_view name);

}  // namespace drawlot
