// The drawing list as a store of rows. The real list is the main window's list view control,
// which holds every cell as text; the core reads and writes rows only through this interface.
// The in-memory store (tests/support/fakes/in_memory_row_store.h) is the second implementation, for
// tests, and one conformance suite runs against both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace drawlot {

inline constexpr int kNoRow = -1;

// Row states, with the list view's LVIS_* values.
inline constexpr unsigned kStateFocused = 0x1;
inline constexpr unsigned kStateSelected = 0x2;
inline constexpr unsigned kStateDropHighlighted = 0x8;
// Marking a row for the user sets or clears these three together (state 11, mask 11).
inline constexpr unsigned kMarkStates = kStateFocused | kStateSelected | kStateDropHighlighted;

// Row icons: the image list holds the DXF icon at 0 and the DWG icon at 1.
inline constexpr int kIconDxf = 0;
inline constexpr int kIconDwg = 1;

struct RowPoint {
  int x = 0;
  int y = 0;
};

// Compares the rows that carry two tags: negative, zero or positive.
using RowComparison = std::function<int(std::int32_t first_tag, std::int32_t second_tag)>;

// Row tags. Every row that enters the list takes a fresh number from the one source of the
// list, so no two rows ever carry the same tag, whatever moves, deletions and loads came before.
class RowTagSource {
 public:
  std::int32_t Next() { return next_++; }

 private:
  std::int32_t next_ = 0;
};

class RowStore {
 public:
  virtual ~RowStore() = default;

  virtual int RowCount() const = 0;
  // The first selected row after `after` (from the top for kNoRow), or kNoRow.
  virtual int NextSelectedRow(int after = kNoRow) const = 0;
  virtual int SelectedCount() const = 0;

  // Inserts a row at `position` (0 to RowCount) with its first cell, icon and tag. Returns the
  // new row's index, or kNoRow when the store refuses.
  virtual int InsertRow(int position, std::string_view first_cell, int icon, std::int32_t tag) = 0;
  virtual bool SetCell(int row, int column, std::string_view text) = 0;
  // The cell's text cut to `buffer_size` - 1 bytes (as a buffer of that size would hold it);
  // a column or row that does not exist reads as empty.
  virtual std::string GetCell(int row, int column, std::size_t buffer_size) const = 0;
  // Copies what GetCell returns into `buffer` (`buffer_size` bytes, at least 1) and ends it
  // with a NUL, as LVM_GETITEMTEXT fills a buffer; returns the number of bytes before the NUL.
  // Readers of many cells (the script) copy straight into what they build; a store that holds
  // its cells as text overrides this so no string is made for a cell.
  virtual std::size_t CopyCell(int row, int column, char* buffer, std::size_t buffer_size) const {
    if (buffer_size == 0) return 0;  // no room even for the NUL
    const std::string text = GetCell(row, column, buffer_size);
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
    return text.size();
  }

  virtual unsigned GetRowState(int row, unsigned mask) const = 0;
  virtual void SetRowState(int row, unsigned state, unsigned mask) = 0;

  // The tag `row` was inserted with; 0 for a row that does not exist. Sorting snapshots a
  // column by tag in one pass with it, instead of searching the tags for every comparison.
  virtual std::int32_t TagOf(int row) const = 0;
  // The first row from the top that carries `tag`, or kNoRow.
  virtual int FindRowByTag(std::int32_t tag) const = 0;

  virtual bool DeleteRow(int row) = 0;
  virtual bool DeleteAllRows() = 0;

  // Reorders all rows by `compare`. Returns false when the store refuses.
  virtual bool SortRows(const RowComparison& compare) = 0;

  virtual bool InsertColumn(int index, std::string_view title, int width) = 0;
  virtual bool DeleteColumn(int index) = 0;
  virtual int ColumnCount() const = 0;
  virtual int ColumnWidth(int index) const = 0;

  // The upper-left corner of a row in the control, for the in-place cell editor.
  virtual RowPoint RowOrigin(int row) const = 0;
};

}  // namespace drawlot
