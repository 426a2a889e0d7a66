// Saving a settings file in the start-up folder, with the program's one report of failure.
#pragma once

#include <string_view>

#include "core/platform/prompter.h"

namespace drawlot {

// The message of a settings file that cannot be saved (no owner, warning icon).
inline constexpr std::string_view kCannotSaveText = "保存出来ません";
inline constexpr std::string_view kCannotSaveTitle = "ﾌｧｲﾙｴﾗｰ";

// Saves `bytes` as `name` in `folder` safely; on failure shows "保存出来ません" / "ﾌｧｲﾙｴﾗｰ"
// and leaves the old file whole. Returns whether the file was saved.
bool SaveSettingsFile(std::string_view folder, std::string_view name, std::string_view bytes,
                      Prompter& prompter);

}  // namespace drawlot
