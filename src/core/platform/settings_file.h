// Saving a settings file in the start-up folder, with the program's one report of failure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/platform/prompter.h"

namespace drawlot {

// What the start-up readers of the settings files return.
inline constexpr int kSettingsRead = 0;
inline constexpr int kSettingsMissing = 1;
// The file is there but could not be read (locked, access denied, far too large): the
// defaults are used, and the file must be kept as it is at exit.
inline constexpr int kSettingsUnreadable = 2;

// More than any settings file the program writes: a larger file is not read at all.
inline constexpr std::size_t kSettingsFileMaxBytes = 16u << 20;

// The file `name` of `folder` for a start-up reader, with one of the three results above.
int ReadSettingsFile(std::string_view folder, std::string_view name, std::string& bytes);

// The message of a settings file that cannot be saved (no owner, warning icon).
inline constexpr std::string_view kCannotSaveText = "保存出来ません";
inline constexpr std::string_view kCannotSaveTitle = "ﾌｧｲﾙｴﾗｰ";

// Saves `bytes` as `name` in `folder` safely; on failure shows "保存出来ません" / "ﾌｧｲﾙｴﾗｰ"
// and leaves the old file whole. Returns whether the file was saved.
bool SaveSettingsFile(std::string_view folder, std::string_view name, std::string_view bytes,
                      Prompter& prompter);

}  // namespace drawlot
