// List files: the drawing list as text, "max_cont=" and the row count on the first line, then
// one line of 32 ";"-separated cells per row. "listview.ini" in the start-up folder keeps the
// list between runs; the same format is saved and loaded under any name.
#pragma once

#include <string>
#include <string_view>

#include "core/model/row_store.h"
#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr std::string_view kListFileName = "listview.ini";
inline constexpr std::string_view kRowCountKey = "max_cont=";
inline constexpr int kListFieldCount = 32;
inline constexpr std::size_t kListCellBytes = 127;
// The longest row line read. The program writes at most 32 x 127 bytes and 31 separators; a
// line far longer than that is no list line, and the reader ends the list there instead of
// holding it in memory.
inline constexpr std::size_t kListLineMaxBytes = 64u << 10;

// What a file offered as a list holds.
enum class ListFileStatus { kList, kMissing, kUnreadable, kNotAList };

// The file's bytes for the rows of `rows`.
std::string SerializeList(const RowStore& rows);

// Appends the rows of a list file's bytes at rows 0, 1, 2 ... (the list is expected to be
// empty); each row takes a fresh tag from `tags`. Fields for columns the list does not have
// are dropped. Returns the number of rows read.
int ParseList(RowStore& rows, std::string_view bytes, RowTagSource& tags);

// The icon of a loaded row from its first cell: the DXF icon for a name ending in "dxf" (in any
// case), the DWG icon for everything else.
int IconOfListedName(std::string_view first_cell);

// Saves the list to the file at `path` safely. When it cannot be saved, shows
// "保存出来ません" / "ﾌｧｲﾙｴﾗｰ" owned by `owner`, leaves an existing file whole and returns false.
bool SaveList(WindowRef owner, const RowStore& rows, const std::string& path, Prompter& prompter);

// Whether the file at `path` can be opened and starts as a list file ("max_cont=" on a first
// line of bounded length). Reads only that line.
ListFileStatus CheckListFile(const std::string& path);

// Loads the list file at `path`, line by line, so only one line is held at a time; a file that
// cannot be read loads nothing, without a message. Returns the number of rows read. `whole`,
// when given, is false when a read error or a line beyond kListLineMaxBytes ended the rows
// before the list did: the file holds rows that were not read.
int LoadList(RowStore& rows, const std::string& path, RowTagSource& tags, bool* whole = nullptr);

}  // namespace drawlot
