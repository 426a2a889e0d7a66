// Choosing the current script item set by its title, as the script settings dialog does: the
// drop-down offers the titles, and "OK" takes the set whose title the edit text names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

// The drop-down's entries: the set titles from set 0 up to the first empty title.
std::vector<std::string> SetChoiceTitles(const ScriptItemTable& table);

// The first of the 20 sets whose whole title equals `text` byte for byte (letter case counts),
// whether the drop-down lists it or not and whatever its flag; nullopt when none does.
std::optional<int> FindSetByTitle(const ScriptItemTable& table, std::string_view text);

// "OK": makes the set that `text` names current ("0".."9", then ":".."C" in `autocad_type`)
// and returns true, so the dialog closes. An empty text or one that names no set is refused
// with a box owned by `owner` and the dialog stays.
bool ChooseCurrentSet(WindowRef owner, std::string_view text, const ScriptItemTable& table,
                      EnvironmentSettings& settings, Prompter& prompter);

}  // namespace drawlot
