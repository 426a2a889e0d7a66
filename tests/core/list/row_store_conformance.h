// The conformance suite of RowStore: every implementation of the drawing list's row store must
// behave alike under it. Include this header in one test file of an executable and instantiate
// the suite with a factory:
//
//   INSTANTIATE_TEST_SUITE_P(ListView, RowStoreConformance,
//                            ::testing::Values(RowStoreFactory{"ListView", MakeListViewStore}),
//                            RowStoreFactoryName);
//
// A factory returns an empty store (no rows, no columns). What the interface cannot read back,
// a row's icon, is checked through an optional probe the factory may supply with the store.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/model/row_store.h"

namespace drawlot::testing {

class RowStoreProbe {
 public:
  virtual ~RowStoreProbe() = default;
  virtual int IconOf(int row) const = 0;
};

struct RowStoreUnderTest {
  std::unique_ptr<RowStore> store;
  std::unique_ptr<RowStoreProbe> probe;  // may be null: the icon checks are then skipped
};

struct RowStoreFactory {
  std::string name;
  std::function<RowStoreUnderTest()> make;
};

inline void PrintTo(const RowStoreFactory& factory, std::ostream* out) {
  *out << factory.name;
}

inline std::string RowStoreFactoryName(const ::testing::TestParamInfo<RowStoreFactory>& info) {
  return info.param.name;
}

class RowStoreConformance : public ::testing::TestWithParam<RowStoreFactory> {
 protected:
  void SetUp() override {
    under_test_ = GetParam().make();
    ASSERT_NE(under_test_.store, nullptr);
  }

  RowStore& store() { return *under_test_.store; }
  const RowStoreProbe* probe() const { return under_test_.probe.get(); }

  // Three columns and one row per first-cell text, tagged 100, 101, ...; every further cell
  // holds the first cell's text and the column number ("b1", "b2").
  void AddColumnsAndRows(const std::vector<std::string>& first_cells) {
    for (int column = 0; column < 3; ++column) {
      ASSERT_TRUE(store().InsertColumn(column, "c" + std::to_string(column), 40 + column));
    }
    for (const std::string& text : first_cells) {
      const int row = store().RowCount();
      ASSERT_EQ(store().InsertRow(row, text, kIconDwg, 100 + row), row);
      for (int column = 1; column < 3; ++column) {
        ASSERT_TRUE(store().SetCell(row, column, text + std::to_string(column)));
      }
    }
  }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < store().RowCount(); ++row) {
      texts.push_back(store().GetCell(row, column, 260));
    }
    return texts;
  }

  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int row = store().NextSelectedRow(); row != kNoRow; row = store().NextSelectedRow(row)) {
      rows.push_back(row);
    }
    return rows;
  }

  void Select(int row) { store().SetRowState(row, kStateSelected, kStateSelected); }

 private:
  RowStoreUnderTest under_test_;
};

using Texts = std::vector<std::string>;

TEST_P(RowStoreConformance, StartsEmpty) {
  EXPECT_EQ(store().RowCount(), 0);
  EXPECT_EQ(store().ColumnCount(), 0);
  EXPECT_EQ(store().NextSelectedRow(), kNoRow);
  EXPECT_EQ(store().SelectedCount(), 0);
  EXPECT_EQ(store().FindRowByTag(0), kNoRow);
}

TEST_P(RowStoreConformance, InsertsRowsAtTheirPositions) {
  AddColumnsAndRows({"a", "c"});
  EXPECT_EQ(store().InsertRow(1, "b", kIconDxf, 7), 1);
  EXPECT_EQ(store().InsertRow(0, "first", kIconDxf, 8), 0);
  EXPECT_EQ(Column(0), (Texts{"first", "a", "b", "c"}));
  // The cells of the rows below moved with them; the new rows' other cells are empty.
  EXPECT_EQ(Column(1), (Texts{"", "a1", "", "c1"}));
  EXPECT_EQ(store().RowCount(), 4);
}

TEST_P(RowStoreConformance, CellsReadCutToTheBufferAndMissingOnesEmpty) {
  AddColumnsAndRows({"abcdef"});
  EXPECT_EQ(store().GetCell(0, 0, 4), "abc");
  EXPECT_EQ(store().GetCell(0, 0, 7), "abcdef");
  EXPECT_EQ(store().GetCell(0, 0, 6), "abcde");
  EXPECT_EQ(store().GetCell(0, 0, 1), "");
  EXPECT_EQ(store().GetCell(0, 2, 260), "abcdef2");
  EXPECT_EQ(store().GetCell(0, 3, 260), "");   // no such column
  EXPECT_EQ(store().GetCell(0, 49, 260), "");  // nor this one
  EXPECT_EQ(store().GetCell(1, 0, 260), "");   // no such row

  ASSERT_TRUE(store().SetCell(0, 1, "表\\x"));  // CP932 bytes pass through untouched
  EXPECT_EQ(store().GetCell(0, 1, 260), "表\\x");
  ASSERT_TRUE(store().SetCell(0, 1, ""));
  EXPECT_EQ(store().GetCell(0, 1, 260), "");
}

TEST_P(RowStoreConformance, CopiesCellsIntoABufferAsGetCellReadsThem) {
  AddColumnsAndRows({"abcdef"});
  ASSERT_TRUE(store().SetCell(0, 1, "表\\x"));
  // Reads a cell into a buffer of `size` bytes with room to spare filled with '#': the text,
  // its NUL, and nothing written after the NUL.
  auto copy = [&](int row, int column, std::size_t size) {
    std::string buffer(size + 4, '#');
    const std::size_t length = store().CopyCell(row, column, buffer.data(), size);
    EXPECT_EQ(buffer.substr(length + 1), std::string(buffer.size() - length - 1, '#'));
    EXPECT_EQ(buffer[length], '\0');
    return buffer.substr(0, length);
  };
  EXPECT_EQ(copy(0, 0, 260), "abcdef");
  EXPECT_EQ(copy(0, 0, 4), "abc");
  EXPECT_EQ(copy(0, 0, 1), "");
  EXPECT_EQ(copy(0, 1, 3), "表");  // the buffer's cut, as GetCell makes it
  EXPECT_EQ(copy(0, 1, 4), "表\\");
  EXPECT_EQ(copy(0, 2, 260), "abcdef2");
  EXPECT_EQ(copy(0, 3, 260), "");  // no such column
  EXPECT_EQ(copy(1, 0, 260), "");  // no such row
  EXPECT_EQ(copy(-1, 0, 260), "");
  // A buffer with no room even for the NUL is left as it was.
  char untouched = '#';
  EXPECT_EQ(store().CopyCell(0, 0, &untouched, 0), 0u);
  EXPECT_EQ(untouched, '#');
}

TEST_P(RowStoreConformance, ChangingACellLeavesTheOthersOfItsRow) {
  AddColumnsAndRows({"a", "b"});
  ASSERT_TRUE(store().SetCell(0, 1, "a much longer text than before"));
  EXPECT_EQ(Column(0), (Texts{"a", "b"}));
  EXPECT_EQ(Column(1), (Texts{"a much longer text than before", "b1"}));
  EXPECT_EQ(Column(2), (Texts{"a2", "b2"}));
  ASSERT_TRUE(store().SetCell(0, 1, "s"));
  ASSERT_TRUE(store().SetCell(0, 0, ""));
  EXPECT_EQ(Column(0), (Texts{"", "b"}));
  EXPECT_EQ(Column(1), (Texts{"s", "b1"}));
  EXPECT_EQ(Column(2), (Texts{"a2", "b2"}));
  // A row that holds only its first cell takes a later one, the ones between stay empty.
  ASSERT_EQ(store().InsertRow(2, "c", kIconDxf, 300), 2);
  ASSERT_TRUE(store().SetCell(2, 2, "c2"));
  EXPECT_EQ(Column(1), (Texts{"s", "b1", ""}));
  EXPECT_EQ(Column(2), (Texts{"a2", "b2", "c2"}));
}

TEST_P(RowStoreConformance, StatesFollowTheirMasks) {
  AddColumnsAndRows({"a", "b", "c", "d"});
  const unsigned marked = kStateSelected | kStateDropHighlighted;
  store().SetRowState(1, marked, marked);
  EXPECT_EQ(store().GetRowState(1, kMarkStates), marked);
  EXPECT_EQ(store().GetRowState(1, kStateSelected), kStateSelected);
  EXPECT_EQ(store().GetRowState(0, kMarkStates), 0u);

  // Bits outside the mask stay as they were.
  store().SetRowState(1, 0, kStateSelected);
  EXPECT_EQ(store().GetRowState(1, kMarkStates), kStateDropHighlighted);
  store().SetRowState(1, kStateSelected, kStateSelected | kStateDropHighlighted);
  EXPECT_EQ(store().GetRowState(1, kMarkStates), kStateSelected);

  // The three marking bits together, on and off; only one row holds the focus at a time.
  store().SetRowState(2, kMarkStates, kMarkStates);
  EXPECT_EQ(store().GetRowState(2, kMarkStates), kMarkStates);
  store().SetRowState(2, 0, kMarkStates);
  EXPECT_EQ(store().GetRowState(2, kMarkStates), 0u);
}

TEST_P(RowStoreConformance, FindsSelectedRowsFromARow) {
  AddColumnsAndRows({"a", "b", "c", "d", "e"});
  Select(1);
  Select(3);
  Select(4);
  EXPECT_EQ(store().SelectedCount(), 3);
  EXPECT_EQ(store().NextSelectedRow(), 1);
  EXPECT_EQ(store().NextSelectedRow(kNoRow), 1);
  EXPECT_EQ(store().NextSelectedRow(1), 3);
  EXPECT_EQ(store().NextSelectedRow(2), 3);
  EXPECT_EQ(store().NextSelectedRow(4), kNoRow);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3, 4}));

  // Drop-highlighted alone is not selected.
  store().SetRowState(0, kStateDropHighlighted, kStateDropHighlighted);
  EXPECT_EQ(store().NextSelectedRow(), 1);

  store().SetRowState(kNoRow, 0, kMarkStates);  // every row at once
  EXPECT_EQ(store().SelectedCount(), 0);
  EXPECT_EQ(store().NextSelectedRow(), kNoRow);
}

TEST_P(RowStoreConformance, FindsTheFirstRowWithATag) {
  AddColumnsAndRows({"a", "b", "c"});
  EXPECT_EQ(store().FindRowByTag(101), 1);
  EXPECT_EQ(store().TagOf(2), 102);
  EXPECT_EQ(store().FindRowByTag(99), kNoRow);
  // Tags are the caller's numbers, negative ones included; a repeated tag finds the upper row.
  ASSERT_EQ(store().InsertRow(3, "d", kIconDwg, 101), 3);
  ASSERT_EQ(store().InsertRow(0, "e", kIconDwg, -5), 0);
  EXPECT_EQ(store().FindRowByTag(101), 2);
  EXPECT_EQ(store().FindRowByTag(-5), 0);
  EXPECT_EQ(store().TagOf(4), 101);
}

TEST_P(RowStoreConformance, DeletesOneRowOrAll) {
  AddColumnsAndRows({"a", "b", "c"});
  Select(2);
  ASSERT_TRUE(store().DeleteRow(1));
  EXPECT_EQ(Column(0), (Texts{"a", "c"}));
  EXPECT_EQ(Column(2), (Texts{"a2", "c2"}));
  EXPECT_EQ(store().TagOf(1), 102);
  EXPECT_EQ(store().NextSelectedRow(), 1);  // the state went with the row
  EXPECT_FALSE(store().DeleteRow(2));
  EXPECT_EQ(store().RowCount(), 2);

  ASSERT_TRUE(store().DeleteAllRows());
  EXPECT_EQ(store().RowCount(), 0);
  EXPECT_EQ(store().ColumnCount(), 3);  // the columns stay
  EXPECT_EQ(store().FindRowByTag(100), kNoRow);
  EXPECT_EQ(store().SelectedCount(), 0);
}

TEST_P(RowStoreConformance, SortsWithAComparisonOfTags) {
  AddColumnsAndRows({"a", "b", "c", "d"});  // tags 100 to 103
  Select(0);
  // Descending by tag, and every tag handed to the comparison is a row's tag.
  std::vector<std::int32_t> seen;
  ASSERT_TRUE(store().SortRows([&](std::int32_t first, std::int32_t second) {
    seen.push_back(first);
    seen.push_back(second);
    return second - first;
  }));
  EXPECT_EQ(Column(0), (Texts{"d", "c", "b", "a"}));
  EXPECT_EQ(Column(1), (Texts{"d1", "c1", "b1", "a1"}));
  EXPECT_EQ(store().TagOf(0), 103);
  EXPECT_EQ(store().FindRowByTag(100), 3);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
  for (const std::int32_t tag : seen) EXPECT_TRUE(tag >= 100 && tag <= 103) << tag;

  // An order that puts odd tags first.
  ASSERT_TRUE(store().SortRows([](std::int32_t first, std::int32_t second) {
    const int rank_first = (first % 2 == 0) * 1000 + first;
    const int rank_second = (second % 2 == 0) * 1000 + second;
    return rank_first - rank_second;
  }));
  EXPECT_EQ(Column(0), (Texts{"b", "d", "a", "c"}));
}

TEST_P(RowStoreConformance, SortsAnEmptyStore) {
  int calls = 0;
  EXPECT_TRUE(store().SortRows([&](std::int32_t, std::int32_t) { return ++calls, 0; }));
  EXPECT_EQ(calls, 0);
}

TEST_P(RowStoreConformance, ColumnsInsertDeleteAndKeepTheirWidths) {
  AddColumnsAndRows({"a", "b"});
  EXPECT_EQ(store().ColumnCount(), 3);
  EXPECT_EQ(store().ColumnWidth(0), 40);
  EXPECT_EQ(store().ColumnWidth(2), 42);

  // A column inserted in the middle moves the later cells right and starts empty.
  ASSERT_TRUE(store().InsertColumn(1, "new", 75));
  EXPECT_EQ(store().ColumnCount(), 4);
  EXPECT_EQ(store().ColumnWidth(1), 75);
  EXPECT_EQ(store().ColumnWidth(2), 41);
  EXPECT_EQ(Column(1), (Texts{"", ""}));
  EXPECT_EQ(Column(2), (Texts{"a1", "b1"}));
  EXPECT_EQ(Column(3), (Texts{"a2", "b2"}));

  // Deleting it moves them back.
  ASSERT_TRUE(store().DeleteColumn(1));
  EXPECT_EQ(store().ColumnCount(), 3);
  EXPECT_EQ(Column(1), (Texts{"a1", "b1"}));
  EXPECT_EQ(Column(2), (Texts{"a2", "b2"}));
  EXPECT_EQ(store().ColumnWidth(1), 41);
  EXPECT_FALSE(store().DeleteColumn(3));

  // From the last down to none; the rows and their first cells stay.
  for (int column = 2; column >= 0; --column) ASSERT_TRUE(store().DeleteColumn(column));
  EXPECT_EQ(store().ColumnCount(), 0);
  EXPECT_EQ(store().RowCount(), 2);
}

TEST_P(RowStoreConformance, RowsLieBelowEachOther) {
  AddColumnsAndRows({"a", "b", "c"});
  const RowPoint first = store().RowOrigin(0);
  const RowPoint second = store().RowOrigin(1);
  const RowPoint third = store().RowOrigin(2);
  EXPECT_EQ(first.x, second.x);
  EXPECT_GT(second.y, first.y);
  EXPECT_EQ(third.y - second.y, second.y - first.y);
}

TEST_P(RowStoreConformance, IconsTravelWithTheirRows) {
  if (probe() == nullptr) GTEST_SKIP() << "no icon probe for this store";
  AddColumnsAndRows({"a"});  // DWG
  ASSERT_EQ(store().InsertRow(0, "x", kIconDxf, 1), 0);
  ASSERT_EQ(store().InsertRow(2, "y", kIconDxf, 2), 2);
  EXPECT_EQ(probe()->IconOf(0), kIconDxf);
  EXPECT_EQ(probe()->IconOf(1), kIconDwg);
  EXPECT_EQ(probe()->IconOf(2), kIconDxf);
  ASSERT_TRUE(store().SortRows([](std::int32_t first, std::int32_t second) {
    return static_cast<int>(second > first) - static_cast<int>(second < first);
  }));  // tags 100, 2, 1
  EXPECT_EQ(probe()->IconOf(0), kIconDwg);
  ASSERT_TRUE(store().DeleteRow(0));
  EXPECT_EQ(probe()->IconOf(0), kIconDxf);
}

}  // namespace drawlot::testing
