// A plain vector of rows behind the RowStore interface: the store of the native tests and the
// benchmarks. It passes the same conformance suite as the list view control.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/row_store.h"

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
  std::size_t CopyCell(int row, int column, char* buffer, std::size_t buffer_size) const override;
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
  // A row's cells in one block: where each cell's text ends, then the texts one after another.
  // Reading a row touches a few neighbouring bytes instead of a string per cell. A row may hold
  // fewer cells than there are columns.
  class Cells {
   public:
    std::size_t Count() const { return count_; }
    std::string_view Get(std::size_t column) const;
    void Set(std::size_t column, std::string_view text);  // adds empty cells up to `column`
    void InsertEmpty(std::size_t column);
    void Erase(std::size_t column);

   private:
    using Ends = std::vector<std::uint32_t>;
    std::uint32_t End(std::size_t column) const;
    void SetEnd(std::size_t column, std::uint32_t end);
    // The cells as separate ends and texts, for changing them, and back into the block.
    Ends UnpackEnds() const;
    std::string UnpackTexts() const;
    void Pack(const Ends& ends, std::string_view texts);

    std::string block_;
    std::uint32_t count_ = 0;
  };
  struct Row {
    Cells cells;
    int icon = 0;
    std::int32_t tag = 0;
    unsigned state = 0;
  };
  bool IsRow(int row) const { return row >= 0 && static_cast<std::size_t>(row) < rows_.size(); }
  // The cell's text as GetCell cuts it, in place.
  std::string_view CellText(int row, int column, std::size_t buffer_size) const;

  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int refused_sorts_ = 0;
};

}  // namespace drawlot
