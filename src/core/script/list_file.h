// List files: the drawing list as text, "max_cont=" and the row count on the first line, then
// one line of 32 ";"-separated cells per row. "listview.ini" in the start-up folder keeps the
// list between runs; the same format is saved and loaded under any name.
#pragma once

#include <string>
#include <string_view>

#include "core/list/row_store.h"
#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr std::string_view kListFileName = "listview.ini";
inline constexpr std::string_view kRowCountKey = "max_cont=";
inline constexpr int kListFieldCount = 32;
inline constexpr std::size_t kListCellBytes = 127;

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

// Loads the list file at `path`; a file that cannot be read loads nothing, without a message.
// Returns the number of rows read.
int LoadList(RowStore& rows, const std::string& path, RowTagSource& tags);

}  // namespace drawlot
