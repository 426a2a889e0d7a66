// The drawing list's row store on the real list view control: every cell is text held by the
// control, every row's tag is its item parameter.
#pragma once

#include <windows.h>

#include "core/model/row_store.h"

namespace drawlot {

class ListViewRowStore : public RowStore {
 public:
  explicit ListViewRowStore(HWND list) : list_(list) {}

  HWND window() const { return list_; }

  int RowCount() const override;
  int NextSelectedRow(int after = kNoRow) const override;
  int SelectedCount() const override;

  int InsertRow(int position, std::string_view first_cell, int icon, std::int32_t tag) override;
  bool SetCell(int row, int column, std::string_view text) override;
  std::string GetCell(int row, int column, std::size_t buffer_size) const override;

  unsigned GetRowState(int row, unsigned mask) const override;
  void SetRowState(int row, unsigned state, unsigned mask) override;

  std::int32_t TagOf(int row) const override;
  int FindRowByTag(std::int32_t tag) const override;

  bool DeleteRow(int row) override;
  bool DeleteAllRows() override;

  bool SortRows(const RowComparison& compare) override;

  bool InsertColumn(int index, std::string_view title, int width) override;
  bool DeleteColumn(int index) override;
  int ColumnCount() const override;
  int ColumnWidth(int index) const override;

  RowPoint RowOrigin(int row) const override;

  // The image list index on the row's first cell, or -1 for a row that does not exist.
  int IconOf(int row) const;

 private:
  LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return SendMessageA(list_, message, wparam, lparam);
  }
  bool IsRow(int row) const { return row >= 0 && row < RowCount(); }
  HWND list_;
};

}  // namespace drawlot
