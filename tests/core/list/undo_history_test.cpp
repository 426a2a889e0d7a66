// The undo history: steps only for changed rows, put back whole (cells, icons, tags, marks),
// newest first, and bounded in steps and memory with the oldest going first.
#include "core/list/undo_history.h"

#include <gtest/gtest.h>

#include "core/list/list_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

class UndoHistoryTest : public ::testing::Test {
 protected:
  UndoHistoryTest() { FillList(store_, DrawingSlots(), tags_, {"a.dwg", "b.dxf", "c.dwg"}); }

  // Runs `change` as one step of `history`.
  template <typename Change>
  void Step(UndoHistory& history, Change change) {
    history.Begin(store_);
    change();
    history.Finish(store_);
  }
  void Rename(UndoHistory& history, int n) {
    Step(history, [&] { store_.SetCell(0, 0, "n" + std::to_string(n)); });
  }

  InMemoryRowStore store_;
  RowTagSource tags_;
};

TEST_F(UndoHistoryTest, AnAllDeleteComesBackWithCellsIconsTagsAndMarks) {
  store_.SetRowState(1, kMarkStates, kMarkStates);
  const Texts third = RowTexts(store_, 2);
  UndoHistory history;
  Step(history, [&] { store_.DeleteAllRows(); });
  ASSERT_EQ(history.Steps(), 1u);

  ASSERT_TRUE(history.Undo(store_));
  EXPECT_EQ(ColumnTexts(store_, 0), (Texts{"a.dwg", "b.dxf", "c.dwg"}));
  EXPECT_EQ(RowTexts(store_, 2), third);
  EXPECT_EQ((std::vector{store_.IconOf(0), store_.IconOf(1)}), (std::vector{kIconDwg, kIconDxf}));
  EXPECT_EQ((std::vector{store_.TagOf(0), store_.TagOf(2)}), (std::vector{0, 2}));
  EXPECT_EQ(MarkedRows(store_), (std::vector{1}));
  EXPECT_FALSE(history.Undo(store_));  // nothing more
}

TEST_F(UndoHistoryTest, UnchangedRowsAndMarksAloneMakeNoStep) {
  UndoHistory history;
  Step(history, [] {});
  Step(history, [&] { store_.SetRowState(0, kMarkStates, kMarkStates); });  // a run's unmarking
  Step(history, [&] { store_.SetCell(1, 0, "b.dxf"); });                    // the same text
  EXPECT_EQ(history.Steps(), 0u);
}

TEST_F(UndoHistoryTest, StepsComeBackNewestFirst) {
  UndoHistory history;
  Rename(history, 1);
  Step(history, [&] { store_.DeleteRow(2); });
  ASSERT_TRUE(history.Undo(store_));
  EXPECT_EQ(ColumnTexts(store_, 0), (Texts{"n1", "b.dxf", "c.dwg"}));
  ASSERT_TRUE(history.Undo(store_));
  EXPECT_EQ(ColumnTexts(store_, 0), (Texts{"a.dwg", "b.dxf", "c.dwg"}));
}

// The cell editor opens a step that ends with the editor, at the next Begin or at Undo.
TEST_F(UndoHistoryTest, AStepLeftOpenIsFinishedByTheNextBeginOrByUndo) {
  UndoHistory history;
  history.Begin(store_);
  store_.SetCell(0, 3, "PDF");
  Rename(history, 1);
  EXPECT_EQ(history.Steps(), 2u);
  history.Begin(store_);
  store_.SetCell(0, 3, "LBP2");
  ASSERT_TRUE(history.Undo(store_));
  EXPECT_EQ(store_.GetCell(0, 3, 100), "PDF");
  EXPECT_EQ(history.Steps(), 2u);
}

TEST_F(UndoHistoryTest, TwentyStepsAreKeptAndTheOldestGoFirst) {
  UndoHistory history;
  for (int n = 1; n <= 25; ++n) Rename(history, n);
  EXPECT_EQ(history.Steps(), 20u);
  while (history.Undo(store_)) {
  }
  EXPECT_EQ(store_.GetCell(0, 0, 100), "n5");  // the steps before n5 went
}

TEST_F(UndoHistoryTest, MemoryIsBoundedAndAStepLargerThanTheBoundEmptiesTheHistory) {
  const std::size_t one = TakeListSnapshot(store_).bytes;
  UndoHistory history(20, one * 2 + one / 2);
  for (int n = 1; n <= 4; ++n) Rename(history, n);
  EXPECT_EQ(history.Steps(), 2u);
  EXPECT_LE(history.Bytes(), one * 2 + one / 2);

  Step(history, [&] {  // long cells, each read up to its first 1023 bytes
    for (int row = 0; row < 3; ++row) store_.SetCell(row, 1, std::string(one, 'x'));
  });
  EXPECT_EQ(history.Steps(), 2u);                         // the step before this one still fits
  Step(history, [&] { store_.SetCell(0, 1, "short"); });  // its "before" holds the long cells
  EXPECT_EQ(history.Steps(), 0u);
  EXPECT_EQ(history.Bytes(), 0u);
}

}  // namespace
}  // namespace drawlot::testing
