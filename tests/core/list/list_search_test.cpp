#include <gtest/gtest.h>

#include "core/list/list_search.h"
#include "core/list/list_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(ContainsText, MatchesWholeCharactersOnly) {
  EXPECT_TRUE(ContainsText("xA1y", "A1"));
  EXPECT_FALSE(ContainsText("xa1y", "A1"));
  EXPECT_TRUE(ContainsText("図面A1", "A1"));
  EXPECT_TRUE(ContainsText("図面", "面"));
  EXPECT_TRUE(ContainsText("abc", ""));
  EXPECT_TRUE(ContainsText("", ""));
  EXPECT_FALSE(ContainsText("", "a"));
  EXPECT_FALSE(ContainsText("A", "A1"));
  // ア is 83 41 and 表 is 95 5C: their trail bytes are no "A" and no backslash.
  EXPECT_FALSE(ContainsText("ア1.dwg", "A1"));
  EXPECT_FALSE(ContainsText("表.dwg", "\\"));
  EXPECT_TRUE(ContainsText("表\\.dwg", "\\"));
}

TEST(SearchInList, MarksRowsWhoseFirstColumnHoldsTheText) {
  const ItemSlots slots = Slots({Item("名前").display(1).edit(1).width(60),
                                 Item("用紙").display(4).edit(1).initial("A1").width(60)});
  InMemoryRowStore store;
  RowTagSource tags;
  FillList(store, slots, tags, {"A1-01.dwg", "b.dwg", "xA1.dwg", "a1.dwg", "アA1.dxf", "ア1.dxf"});
  store.SetRowState(1, kStateSelected, kStateSelected);  // selected before: stays
  SearchInList(store, "A1");
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(SelectedRows(store), (std::vector<int>{0, 1, 2, 4}));
  EXPECT_EQ(store.GetRowState(1, kMarkStates), kStateSelected);

  SearchInList(store, "");
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(SearchInList, LooksAtTheFirst259Bytes) {
  InMemoryRowStore store;
  store.InsertRow(0, std::string(257, 'a') + "A1", kIconDwg, 0);
  store.InsertRow(1, std::string(258, 'a') + "A1", kIconDwg, 1);
  SearchInList(store, "A1");
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0}));
}

class SearchHistoryTest : public ::testing::Test {
 protected:
  Texts Offered() const { return OfferedSearchTexts(state); }
  SearchState state;
};

TEST_F(SearchHistoryTest, NewTextsGoFirst) {
  EXPECT_TRUE(Offered().empty());
  AcceptSearchText(state, "A1");
  AcceptSearchText(state, "B2");
  EXPECT_EQ(state.text, "B2");
  EXPECT_EQ(Offered(), (Texts{"B2", "A1"}));
}

TEST_F(SearchHistoryTest, PrefixOfARecentTextIsNotAdded) {
  AcceptSearchText(state, "A1");
  AcceptSearchText(state, "A");
  EXPECT_EQ(state.text, "A");  // searched for all the same
  AcceptSearchText(state, "");
  EXPECT_EQ(state.text, "");
  AcceptSearchText(state, "A1");
  EXPECT_EQ(Offered(), (Texts{"A1"}));
  AcceptSearchText(state, "A12");  // longer: a new text
  EXPECT_EQ(Offered(), (Texts{"A12", "A1"}));
}

TEST_F(SearchHistoryTest, OffersTheElevenMostRecent) {
  for (int i = 1; i <= 12; ++i) AcceptSearchText(state, "t" + std::to_string(i) + "x");
  EXPECT_EQ(Offered(), (Texts{"t12x", "t11x", "t10x", "t9x", "t8x", "t7x", "t6x", "t5x", "t4x",
                              "t3x", "t2x"}));
  // Only the ten most recent are compared: the eleventh comes back to the front.
  AcceptSearchText(state, "t2x");
  EXPECT_EQ(Offered().front(), "t2x");
  AcceptSearchText(state, "t12x");
  EXPECT_EQ(Offered().front(), "t2x");
  for (int i = 12; i < kSearchHistorySize; ++i) EXPECT_TRUE(state.history[i].empty()) << i;
}

TEST_F(SearchHistoryTest, TextIsCutTo255Bytes) {
  AcceptSearchText(state, std::string(300, 'q'));
  EXPECT_EQ(state.text.size(), 255u);
  EXPECT_EQ(Offered(), (Texts{std::string(255, 'q')}));
}

}  // namespace
}  // namespace drawlot::testing
