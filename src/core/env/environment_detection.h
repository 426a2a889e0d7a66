// The automatic set-up of the environment dialog: find AutoCAD, the script file and the end
// drawing on the fixed drives, falling back to a stated default for each one not found. It
// only proposes paths; the dialog stores them when the user confirms with OK.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/file_system.h"
#include "core/platform/prompter.h"

namespace drawlot {

struct DetectedPaths {
  std::string autocad_file;
  std::string temp_file;
  std::string end_file_dwg;
};

// Asks first (nothing when the answer is No), then searches with `show_waiting(true)` before
// and `show_waiting(false)` after the searches, and ends with the box that asks the user to
// check the result. Every box is owned by `owner`.
std::optional<DetectedPaths> DetectEnvironment(const FileSystem& files,
                                               std::string_view startup_folder, Prompter& prompter,
                                               WindowRef owner,
                                               const std::function<void(bool)>& show_waiting);

}  // namespace drawlot
