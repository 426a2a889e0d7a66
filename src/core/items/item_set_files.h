// "drwlt_set1.ini" (set titles) and "drwlt_set2.ini" (the items of every set), read once at
// start-up and written once at the end, in the start-up folder.
#pragma once

#include <string>
#include <string_view>

#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr std::string_view kSetTitleFileName = "drwlt_set1.ini";
inline constexpr std::string_view kItemSetFileName = "drwlt_set2.ini";

// Item lines (and partial-script lines) are read whole. The writer can make a line longer
// than the 255 bytes the reader once had room for (every text full, a wide or negative
// number); read in pieces, its tail became an item of its own, usually set 0's slot 0.
inline constexpr std::size_t kItemLineBytes = std::string_view::npos;

// The formats, over bytes in memory.
void ParseSetTitles(ScriptItemTable& table, std::string_view bytes);
void ParseItemSets(ScriptItemTable& table, std::string_view bytes);
std::string SerializeSetTitles(const ScriptItemTable& table);
std::string SerializeItemSets(const ScriptItemTable& table);

// One item's fields from `first_field` on (the item-set line without its set index is the
// partial-script line), and back. Shared with the partial-script file.
void ParseItemFields(ScriptItem& item, std::string_view fields_after_index);
void AppendItemFields(std::string& line, const ScriptItem& item);

// The files in `folder`. Loading clears its part of the table first and returns
// kSettingsRead, kSettingsMissing or kSettingsUnreadable (settings_file.h). Saving reports a
// failure with "保存出来ません" and leaves the old file whole.
int LoadSetTitles(ScriptItemTable& table, std::string_view folder);
int LoadItemSets(ScriptItemTable& table, std::string_view folder);
void SaveSetTitles(const ScriptItemTable& table, std::string_view folder, Prompter& prompter);
void SaveItemSets(const ScriptItemTable& table, std::string_view folder, Prompter& prompter);

}  // namespace drawlot
