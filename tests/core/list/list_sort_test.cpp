#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/list/list_housekeeping.h"
#include "core/list/list_sort.h"
#include "core/list/list_test_support.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x1234;

TEST(CompareSortTexts, FoldsAsciiLettersOnly) {
  EXPECT_EQ(CompareSortTexts("abc", "ABC"), 0);
  EXPECT_LT(CompareSortTexts("abc", "ABD"), 0);
  // The underscore lies above the upper-case letters, below the lower-case ones.
  EXPECT_GT(CompareSortTexts("a_", "az"), 0);
  EXPECT_GT(CompareSortTexts("_", "z"), 0);
  // A text that ends first sorts first; other bytes compare unsigned.
  EXPECT_LT(CompareSortTexts("ab", "abc"), 0);
  EXPECT_GT(CompareSortTexts("ｱ", "z"), 0);
  EXPECT_LT(CompareSortTexts("図", "ｱ"), 0);  // lead byte 90 against B1
  // ヂ is 83 61 and ア 83 41: a trail byte is no letter to fold.
  EXPECT_GT(CompareSortTexts("ヂ", "ア"), 0);
  EXPECT_EQ(CompareSortTexts("図a", "図A"), 0);
}

// A list of five text columns with the given texts in one column, rows in that order.
class HeaderSortTest : public ::testing::Test {
 protected:
  void Fill(int column, const Texts& texts) {
    for (int c = 0; c < 6; ++c) store.InsertColumn(c, "c", 50);
    for (const std::string& text : texts) {
      const int row = store.InsertRow(store.RowCount(), "row", kIconDwg, tags.Next());
      store.SetCell(row, column, text);
    }
  }
  void Click(int column) { SortOnHeaderClick(store, directions, column, prompter, kOwner); }

  InMemoryRowStore store;
  RowTagSource tags;
  SortDirections directions;
  RecordingPrompter prompter;
};

TEST_F(HeaderSortTest, FirstColumnSortsDescendingFirst) {
  Fill(0, {"b", "C", "a"});
  Click(0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"C", "b", "a"}));
  Click(0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"a", "b", "C"}));
  Click(0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"C", "b", "a"}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(HeaderSortTest, OtherColumnsSortAscendingFirstEachOnItsOwn) {
  Fill(5, {"b", "a_", "AZ", "c"});  // the sixth column has a direction of its own too
  Click(5);
  EXPECT_EQ(ColumnTexts(store, 5), (Texts{"AZ", "a_", "b", "c"}));
  Click(1);  // another column's click does not turn this one's direction
  Click(5);
  EXPECT_EQ(ColumnTexts(store, 5), (Texts{"c", "b", "a_", "AZ"}));
  Click(2);
  EXPECT_EQ(directions.Of(2), kSortAscending);
  EXPECT_EQ(directions.Of(5), kSortDescending);
}

TEST_F(HeaderSortTest, OnlyTheFourthColumnComparesAsNumbers) {
  Fill(3, {"10", "9", "x5", " -3", "+7abc", ""});
  Click(3);
  // x5 and the empty text count as 0; leading blanks and a sign are taken.
  const Texts ascending = ColumnTexts(store, 3);
  EXPECT_EQ(ascending[0], " -3");
  EXPECT_EQ((std::set<std::string>{ascending[1], ascending[2]}), (std::set<std::string>{"x5", ""}));
  EXPECT_EQ((Texts{ascending[3], ascending[4], ascending[5]}), (Texts{"+7abc", "9", "10"}));
  // The third and fifth columns beside it compare as text.
  for (int column : {2, 4}) {
    store.SetCell(0, column, "9");
    store.SetCell(1, column, "10");
    Click(column);
    const Texts texts = ColumnTexts(store, column);
    EXPECT_LT(std::find(texts.begin(), texts.end(), "10"),
              std::find(texts.begin(), texts.end(), "9"))
        << column;
  }
}

TEST_F(HeaderSortTest, RefusedSortSaysSoAndKeepsTheRows) {
  Fill(1, {"b", "a"});
  store.RefuseSorts(1);
  Click(1);
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, "ソート失敗", "Error", Icon::kNone)}));
  EXPECT_EQ(ColumnTexts(store, 1), (Texts{"b", "a"}));
  // The click still turned the direction: the next one sorts descending.
  Click(1);
  EXPECT_EQ(ColumnTexts(store, 1), (Texts{"b", "a"}));
  EXPECT_EQ(directions.Of(1), kSortDescending);
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(HeaderSortTest, EmptyListSortsWithoutAMessage) {
  Fill(0, {});
  Click(0);
  Click(3);
  EXPECT_TRUE(prompter.shown.empty());
}

// Counts the look-ups a sort makes.
class CountingRowStore : public InMemoryRowStore {
 public:
  std::string GetCell(int row, int column, std::size_t buffer_size) const override {
    ++cell_reads;
    return InMemoryRowStore::GetCell(row, column, buffer_size);
  }
  int FindRowByTag(std::int32_t tag) const override {
    ++tag_searches;
    return InMemoryRowStore::FindRowByTag(tag);
  }
  mutable int cell_reads = 0;
  mutable int tag_searches = 0;
};

TEST(HeaderSort, ReadsEachCellOnceAndNeverSearchesTags) {
  CountingRowStore store;
  RowTagSource tags;
  store.InsertColumn(0, "c", 50);
  for (int i = 0; i < 200; ++i) {
    store.InsertRow(i, std::to_string((i * 37) % 200), kIconDwg, tags.Next());
  }
  SortDirections directions;
  RecordingPrompter prompter;
  SortOnHeaderClick(store, directions, 0, prompter, 0);
  EXPECT_EQ(store.cell_reads, 200);
  EXPECT_EQ(store.tag_searches, 0);
  EXPECT_EQ(store.GetCell(0, 0, 10), "99");  // descending as text
  EXPECT_EQ(store.GetCell(199, 0, 10), "0");
}

TEST(HeaderSort, MovedRowsSortByTheirOwnTexts) {
  // Moving gives the row a fresh tag, so no two rows share one and each sorts by its text.
  const ItemSlots slots = DrawingSlots();
  InMemoryRowStore store;
  RowTagSource tags;
  FillList(store, slots, tags, {"c.dwg", "a.dwg", "d.dwg", "b.dwg"});
  RecordingPrompter prompter;
  MarkRow(store, 2);
  MoveRow(store, slots, tags, MoveDirection::kUp, prompter, 0);
  store.SetRowState(kNoRow, 0, kMarkStates);
  MarkRow(store, 3);
  MoveRow(store, slots, tags, MoveDirection::kUp, prompter, 0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"c.dwg", "d.dwg", "b.dwg", "a.dwg"}));
  SortDirections directions;
  directions.Flip(0);  // descending now, so the next click sorts ascending
  SortOnHeaderClick(store, directions, 0, prompter, 0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"a.dwg", "b.dwg", "c.dwg", "d.dwg"}));
}

}  // namespace
}  // namespace drawlot::testing
