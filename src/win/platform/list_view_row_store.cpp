#include "win/platform/list_view_row_store.h"

#include <commctrl.h>

#include <string>

#include "win/platform/list_view.h"

namespace drawlot {

static_assert(kStateFocused == LVIS_FOCUSED && kStateSelected == LVIS_SELECTED &&
              kStateDropHighlighted == LVIS_DROPHILITED);

namespace {

struct SortContext {
  const RowComparison* compare;
  bool failed = false;
};

// Called by the control for every comparison; the item parameters are the rows' tags.
int CALLBACK CompareTags(LPARAM first, LPARAM second, LPARAM context_address) {
  auto* context = reinterpret_cast<SortContext*>(context_address);
  if (context->failed) return 0;
  try {
    return (*context->compare)(static_cast<std::int32_t>(first), static_cast<std::int32_t>(second));
  } catch (...) {
    context->failed = true;  // no exception may cross the control
    return 0;
  }
}

}  // namespace

int ListViewRowStore::RowCount() const {
  return list_view::ItemCount(list_);
}

int ListViewRowStore::NextSelectedRow(int after) const {
  return list_view::NextSelected(list_, after);
}

int ListViewRowStore::SelectedCount() const {
  return list_view::SelectedCount(list_);
}

int ListViewRowStore::InsertRow(int position, std::string_view first_cell, int icon,
                                std::int32_t tag) {
  return list_view::InsertItem(list_, position, first_cell, icon, tag);
}

bool ListViewRowStore::SetCell(int row, int column, std::string_view text) {
  if (!IsRow(row) || column < 0) return false;
  return list_view::SetItemText(list_, row, column, text);
}

std::string ListViewRowStore::GetCell(int row, int column, std::size_t buffer_size) const {
  if (!IsRow(row) || column < 0 || buffer_size == 0) return {};
  if (column > 0 && column >= ColumnCount()) return {};
  // Read whole and cut here: the control's own cut may drop a double-byte character that does
  // not fit, while a buffer of the size asked for holds its bytes up to the last one.
  std::string text = list_view::ItemText(list_, row, column);
  if (text.size() > buffer_size - 1) text.resize(buffer_size - 1);
  return text;
}

unsigned ListViewRowStore::GetRowState(int row, unsigned mask) const {
  if (!IsRow(row)) return 0;
  return list_view::ItemState(list_, row, mask);
}

void ListViewRowStore::SetRowState(int row, unsigned state, unsigned mask) {
  list_view::SetItemState(list_, row, state, mask);
}

std::int32_t ListViewRowStore::TagOf(int row) const {
  if (!IsRow(row)) return 0;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return static_cast<std::int32_t>(item.lParam);
}

int ListViewRowStore::FindRowByTag(std::int32_t tag) const {
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = tag;
  return static_cast<int>(
      Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

bool ListViewRowStore::DeleteRow(int row) {
  if (!IsRow(row)) return false;
  return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != 0;
}

bool ListViewRowStore::DeleteAllRows() {
  return Send(LVM_DELETEALLITEMS) != 0;
}

bool ListViewRowStore::SortRows(const RowComparison& compare) {
  SortContext context{&compare};
  const bool sorted = Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                           reinterpret_cast<LPARAM>(&CompareTags)) != 0;
  return sorted && !context.failed;
}

bool ListViewRowStore::InsertColumn(int index, std::string_view title, int width) {
  return list_view::InsertColumn(list_, index, title, width);
}

bool ListViewRowStore::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) return false;
  return Send(LVM_DELETECOLUMN, static_cast<WPARAM>(index)) != 0;
}

int ListViewRowStore::ColumnCount() const {
  const HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  if (!header) return 0;
  return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

int ListViewRowStore::ColumnWidth(int index) const {
  return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index)));
}

RowPoint ListViewRowStore::RowOrigin(int row) const {
  POINT point{};
  Send(LVM_GETITEMPOSITION, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&point));
  return RowPoint{point.x, point.y};
}

int ListViewRowStore::IconOf(int row) const {
  if (!IsRow(row)) return -1;
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.iImage;
}

}  // namespace drawlot
