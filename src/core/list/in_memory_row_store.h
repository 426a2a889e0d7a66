// A plain vector of rows behind the RowStore interface: the store of the native tests and the
// benchmarks. It passes the same conformance suite as the list view control.
#pragma once

#include <vector>

#include "core/list/row_store.h"

namespace drawlot {

class InMemoryRowStore : public RowStore {
 public:
  // Row height reported by RowOrigin, in pixels.
  static constexpr int kRowHeight = 16;

  int RowCount() const override { return static_cast<int>(rows_.size()); }
  int NextSelectedRow(int after = kNoRow) const override;
  int SelectedCount() const override;
  int InsertRow(int position, std::string_view first_cell, int icon, std::int32_t tag) override;
  bool SetCell(int row, int column, std::string_view text) override;
  std::string GetCell(int row, int column, std::size_t buffer_size) const override;
  unsigned GetRowState(int row, unsigned mask) const override;
  void SetRowState(int row, unsigned state, unsigned mask) override;
  std::int32_t TagOf(int row) const override { return IsRow(row) ? rows_[row].tag : 0; }
  int FindRowByTag(std::int32_t tag) const override;
  bool DeleteRow(int row) override;
  bool DeleteAllRows() override;
  bool SortRows(const RowComparison& compare) override;
  bool InsertColumn(int index, std::string_view title, int width) override;
  bool DeleteColumn(int index) override;
  int ColumnCount() const override { return static_cast<int>(columns_.size()); }
  int ColumnWidth(int index) const override;
  RowPoint RowOrigin(int row) const override;

  // For tests: what the interface does not read back.
  int IconOf(int row) const { return rows_.at(row).icon; }
  std::string ColumnTitle(int index) const { return columns_.at(index).title; }
  // Makes the next `count` calls of SortRows fail, as a control can refuse to sort.
  void RefuseSorts(int count) { refused_sorts_ = count; }

 private:
  struct Column {
    std::string title;
    int width = 0;
  };
  struct Row {
    std::vector<std::string> cells;  // one per column; may be shorter than the column count
    int icon = 0;
    std::int32_t tag = 0;
    unsigned state = 0;
  };
  bool IsRow(int row) const { return row >= 0 && row < RowCount(); }

  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int refused_sorts_ = 0;
};

}  // namespace drawlot
