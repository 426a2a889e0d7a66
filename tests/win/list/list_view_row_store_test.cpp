// The list view as the drawing list's row store: the same conformance suite that the in-memory
// store passes natively, here against the real control, plus what only the control can get
// wrong.
#include "win/platform/list_view_row_store.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "core/list/row_store_conformance.h"
#include "win/support/hidden_list_view.h"

namespace drawlot::testing {
namespace {

// The store together with the window that holds its control.
class OwnedListViewStore : public ListViewRowStore {
 public:
  explicit OwnedListViewStore(std::unique_ptr<HiddenListView> view)
      : ListViewRowStore(view->list()), view_(std::move(view)) {}

 private:
  std::unique_ptr<HiddenListView> view_;
};

class ListViewIconProbe : public RowStoreProbe {
 public:
  explicit ListViewIconProbe(const ListViewRowStore& store) : store_(store) {}
  int IconOf(int row) const override { return store_.IconOf(row); }

 private:
  const ListViewRowStore& store_;
};

RowStoreUnderTest MakeListViewStore() {
  auto store = std::make_unique<OwnedListViewStore>(std::make_unique<HiddenListView>());
  auto probe = std::make_unique<ListViewIconProbe>(*store);
  return RowStoreUnderTest{std::move(store), std::move(probe)};
}

INSTANTIATE_TEST_SUITE_P(ListView, RowStoreConformance,
                         ::testing::Values(RowStoreFactory{"ListView", MakeListViewStore}),
                         RowStoreFactoryName);

class ListViewRowStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store_.InsertColumn(0, "名前", 100));
    ASSERT_TRUE(store_.InsertColumn(1, "フォルダ", 100));
  }

  HiddenListView view_;
  ListViewRowStore store_{view_.list()};
};

TEST_F(ListViewRowStoreTest, LongCellsReadWholeAndCutByBytes) {
  // Longer than the first read buffer, with double-byte characters all along.
  std::string text;
  for (int i = 0; i < 200; ++i) text += "表a";
  ASSERT_EQ(store_.InsertRow(0, text, kIconDwg, 1), 0);
  EXPECT_EQ(store_.GetCell(0, 0, 1000), text);
  // A buffer of 4 bytes holds "表a" and the lead byte of the next 表, as a C buffer would.
  EXPECT_EQ(store_.GetCell(0, 0, 5), text.substr(0, 4));
  EXPECT_EQ(store_.GetCell(0, 0, 4), text.substr(0, 3));
}

TEST_F(ListViewRowStoreTest, AComparisonThatThrowsFailsTheSortAndIsContained) {
  ASSERT_EQ(store_.InsertRow(0, "a", kIconDwg, 1), 0);
  ASSERT_EQ(store_.InsertRow(1, "b", kIconDwg, 2), 1);
  EXPECT_FALSE(store_.SortRows(
      [](std::int32_t, std::int32_t) -> int { throw std::runtime_error("no comparison"); }));
  EXPECT_EQ(store_.RowCount(), 2);
}

TEST_F(ListViewRowStoreTest, RowsOutsideTheListAreRefusedOrEmpty) {
  EXPECT_FALSE(store_.SetCell(0, 0, "x"));
  EXPECT_FALSE(store_.DeleteRow(-1));
  EXPECT_EQ(store_.TagOf(5), 0);
  EXPECT_EQ(store_.GetRowState(3, kMarkStates), 0u);
  EXPECT_EQ(store_.IconOf(0), -1);
  EXPECT_FALSE(store_.DeleteColumn(2));
}

}  // namespace
}  // namespace drawlot::testing
