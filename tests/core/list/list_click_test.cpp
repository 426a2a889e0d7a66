#include "core/list/list_click.h"

#include <gtest/gtest.h>

#include "support/fakes/in_memory_row_store.h"

namespace drawlot {
namespace {

TEST(MarkClickedRows, SelectedOrFocusedRowsGetTheMarkingStatesOthersNone) {
  InMemoryRowStore store;
  for (int row = 0; row < 4; ++row) ASSERT_EQ(store.InsertRow(row, "x", kIconDwg, row), row);
  store.SetRowState(0, kStateSelected, kStateSelected);
  store.SetRowState(1, kStateFocused, kStateFocused);                  // focused, not selected
  store.SetRowState(2, kStateDropHighlighted, kStateDropHighlighted);  // marked before, not now

  MarkClickedRows(store);

  const unsigned selected_and_dropped = kStateSelected | kStateDropHighlighted;
  EXPECT_EQ(store.GetRowState(0, selected_and_dropped), selected_and_dropped);
  EXPECT_EQ(store.GetRowState(1, kMarkStates), kMarkStates);
  EXPECT_EQ(store.GetRowState(2, kMarkStates), 0u);
  EXPECT_EQ(store.GetRowState(3, kMarkStates), 0u);
}

}  // namespace
}  // namespace drawlot
