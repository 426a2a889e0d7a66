// Rows of the drawing list: the columns of the current set, a new drawing's row, its date text
// and icon, and reading a cell the way every list operation reads it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/file_system.h"

namespace drawlot {

// Cells are read into 260-byte buffers throughout the list operations: 259 bytes of text.
inline constexpr std::size_t kCellReadLimit = 259;

// "YYYY/MM/DD hh:mm", at most 39 characters.
std::string FormatFileTime(const LocalFileTime& time);

// The icon a drawing's file name gives: DWG when it ends in "wg" or "WG", otherwise DXF.
int IconOfFileName(std::string_view file_name);

// What a new row shows of its drawing.
struct NewDrawing {
  std::string_view file_name;  // with extension, without folder
  std::string_view folder;
  std::string_view date_text;  // FormatFileTime of the file's last-write time
  int icon = kIconDwg;
};

// The text a new row gets in the column of `item`. A display mode outside 1 to 4 still has a
// column; its cell starts empty.
std::string_view NewCellText(const ScriptItem& item, const NewDrawing& drawing);

// Inserts one row at `position` with a cell per displayed item of `items` and a fresh tag
// from `tags`. Returns the new row, or kNoRow when the set displays nothing or the store
// refuses the row.
int InsertDrawingRow(RowStore& store, const ItemSlots& items, RowTagSource& tags,
                     const NewDrawing& drawing, int position);

// Rebuilds the columns from `items` by the column builder's walk (ColumnLayout): every present
// item with a nonzero display mode over all 50 slots, titled and sized by the item.
void BuildColumns(RowStore& store, const ItemSlots& items);

// A cell's text, at most `max_bytes` bytes and never ending in half a double-byte character.
std::string ReadCellText(const RowStore& store, int row, int column,
                         std::size_t max_bytes = kCellReadLimit);

}  // namespace drawlot
