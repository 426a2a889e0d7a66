#include "core/list/list_rows.h"

#include <cstdio>

#include "core/model/column_layout.h"
#include "core/text/cp932.h"

namespace drawlot {

std::string FormatFileTime(const LocalFileTime& time) {
  char text[40];  // the date field of a row: 39 characters at most, whatever the numbers hold
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d", time.year, time.month, time.day,
                time.hour, time.minute);
  return text;
}

int IconOfFileName(std::string_view file_name) {
  return (file_name.ends_with("wg") || file_name.ends_with("WG")) ? kIconDwg : kIconDxf;
}

std::string_view NewCellText(const ScriptItem& item, const NewDrawing& drawing) {
  switch (static_cast<DisplayMode>(item.display_mode)) {
    case DisplayMode::kFileName:
      return drawing.file_name;
    case DisplayMode::kFolder:
      return drawing.folder;
    case DisplayMode::kDateTime:
      return drawing.date_text;
    case DisplayMode::kInitialValue:
      return item.initial_value.view();
    default:
      return {};
  }
}

int InsertDrawingRow(RowStore& store, const ItemSlots& items, RowTagSource& tags,
                     const NewDrawing& drawing, int position) {
  int row = kNoRow;
  bool refused = false;
  ForEachDisplayedItem(items, [&](const ScriptItem& item, int column) {
    if (refused) return;
    const std::string_view text = NewCellText(item, drawing);
    if (column == 0) {
      row = store.InsertRow(position, text, drawing.icon, tags.Next());
      // Without a row of our own the further cells would land in whatever row sits there.
      refused = (row == kNoRow);
    } else {
      store.SetCell(row, column, text);
    }
  });
  return row;
}

void BuildColumns(RowStore& store, const ItemSlots& items) {
  // From the last column down: a list view does not let its column 0 go while others remain.
  for (int count = store.ColumnCount(); count > 0; count = store.ColumnCount()) {
    if (!store.DeleteColumn(count - 1)) break;
  }
  const ColumnLayout layout = ColumnLayout::ColumnBuilderWalk(items);
  for (const ItemColumn& shown : layout.columns()) {
    const ScriptItem& item = items[shown.slot];
    store.InsertColumn(shown.column, item.title.view(), item.width);
  }
}

std::string ReadCellText(const RowStore& store, int row, int column, std::size_t max_bytes) {
  // One byte more than wanted, so a double-byte character cut by the store shows as such.
  std::string text = store.GetCell(row, column, max_bytes + 2);
  text.resize(Cp932PrefixLength(text, max_bytes));
  return text;
}

}  // namespace drawlot
