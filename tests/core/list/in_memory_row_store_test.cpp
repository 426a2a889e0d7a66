#include "support/fakes/in_memory_row_store.h"

#include "core/list/row_store_conformance.h"

namespace drawlot::testing {
namespace {

class InMemoryIconProbe : public RowStoreProbe {
 public:
  explicit InMemoryIconProbe(const InMemoryRowStore& store) : store_(store) {}
  int IconOf(int row) const override { return store_.IconOf(row); }

 private:
  const InMemoryRowStore& store_;
};

RowStoreUnderTest MakeInMemoryStore() {
  auto store = std::make_unique<InMemoryRowStore>();
  auto probe = std::make_unique<InMemoryIconProbe>(*store);
  return RowStoreUnderTest{std::move(store), std::move(probe)};
}

INSTANTIATE_TEST_SUITE_P(InMemory, RowStoreConformance,
                         ::testing::Values(RowStoreFactory{"InMemory", MakeInMemoryStore}),
                         RowStoreFactoryName);

// The refusal that the list's sort tests rely on.
TEST(InMemoryRowStore, RefusesAsManySortsAsAsked) {
  InMemoryRowStore store;
  store.InsertRow(0, "b", kIconDwg, 1);
  store.InsertRow(1, "a", kIconDwg, 2);
  store.RefuseSorts(1);
  const auto by_tag_descending = [](std::int32_t first, std::int32_t second) {
    return second - first;
  };
  EXPECT_FALSE(store.SortRows(by_tag_descending));
  EXPECT_EQ(store.GetCell(0, 0, 260), "b");
  EXPECT_TRUE(store.SortRows(by_tag_descending));
  EXPECT_EQ(store.GetCell(0, 0, 260), "a");
}

}  // namespace
}  // namespace drawlot::testing
