#include "core/items/row_buffer.h"

#include <gtest/gtest.h>

#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x77;

// Columns: name (not editable), folder (not editable), date (not editable), printer, paper,
// note (not editable).
class RowCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillList(store, slots, tags, {"a.dwg", "b.dwg", "c.dwg", "d.dwg", "e.dwg", "f.dwg"});
    store.SetCell(1, 3, "PRN-B");
    store.SetCell(1, 4, "A1");
    store.SetCell(1, 5, "note-b");
  }
  void Copy() { CopyRow(store, slots, buffer, prompter, kOwner); }
  void Paste() { PasteRow(store, slots, buffer, prompter, kOwner); }
  void ExpectOneMessage(std::string_view text, std::string_view title) {
    EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, text, title, Icon::kNone)}));
  }

  const ItemSlots slots = DrawingSlots();
  InMemoryRowStore store;
  RowTagSource tags;
  RowBuffer buffer;
  RecordingPrompter prompter;
};

TEST_F(RowCopyTest, CopiesTheFirstSelectedRowAndUnmarksAll) {
  buffer.cells[6] = "kept";
  MarkRow(store, 1);
  MarkRow(store, 3);
  MarkRow(store, 4);
  Copy();
  EXPECT_EQ(buffer.cells[0], "b.dwg");
  EXPECT_EQ(buffer.cells[2], "2024/03/05 14:07");
  EXPECT_EQ(buffer.cells[3], "PRN-B");
  EXPECT_EQ(buffer.cells[4], "A1");
  EXPECT_EQ(buffer.cells[5], "note-b");
  EXPECT_EQ(buffer.cells[6], "kept");  // beyond the last column
  for (int row = 0; row < store.RowCount(); ++row) {
    EXPECT_EQ(store.GetRowState(row, kMarkStates), 0u) << row;
  }
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RowCopyTest, LongCellIsCopiedAsIts127FirstBytes) {
  store.SetCell(0, 3, std::string(200, 'p'));
  store.SetCell(0, 4, std::string(126, 'q') + "表");
  MarkRow(store, 0);
  Copy();
  EXPECT_EQ(buffer.cells[3], std::string(127, 'p'));
  EXPECT_EQ(buffer.cells[4], std::string(126, 'q'));  // no half of 表
}

TEST_F(RowCopyTest, PasteWritesEditableColumnsOfEverySelectedRow) {
  MarkRow(store, 1);
  Copy();
  for (int row : {0, 2, 3, 4, 5}) MarkRow(store, row);
  store.SetRowState(3, 0, kMarkStates);
  Paste();
  for (int row : {0, 2, 4, 5}) {
    const std::string name = std::string(1, static_cast<char>('a' + row)) + ".dwg";
    EXPECT_EQ(RowTexts(store, row),
              (Texts{name, "C:\\dwg", "2024/03/05 14:07", "PRN-B", "A1", "-"}))
        << row;
  }
  EXPECT_EQ(RowTexts(store, 3), (Texts{"d.dwg", "C:\\dwg", "2024/03/05 14:07", "LBP", "A3", "-"}));
  EXPECT_EQ(store.SelectedCount(), 0);
  EXPECT_TRUE(MarkedRows(store).empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RowCopyTest, CopyWithoutSelectionAsks) {
  Copy();
  ExpectOneMessage("項目を選択して下さい", "一行COPY");
  EXPECT_TRUE(buffer.cells[0].empty());
}

TEST_F(RowCopyTest, PasteWithoutSelectionAsksAndChangesNothing) {
  MarkRow(store, 1);
  Copy();
  Paste();
  ExpectOneMessage("項目を選択して下さい", "一行PASTE");
}

TEST_F(RowCopyTest, PasteBeforeAnyCopyIsRefused) {
  MarkRow(store, 0);
  Paste();
  ExpectOneMessage("最初にコピー操作を行って下さい", "一行PASTE");
  EXPECT_EQ(MarkedRows(store), (std::vector<int>{0}));  // the selection stays
  EXPECT_EQ(store.GetCell(0, 3, 260), "LBP");
}

TEST_F(RowCopyTest, CopiedRowWithAnEmptyFifthCellCannotBePasted) {
  store.SetCell(2, 4, "");
  MarkRow(store, 2);
  Copy();
  MarkRow(store, 0);
  Paste();
  ExpectOneMessage("最初にコピー操作を行って下さい", "一行PASTE");
}

TEST(RowCopy, FewerThanFiveColumnsLeaveTheFifthCellAsItWas) {
  const ItemSlots slots = Slots({Item("名前").display(1).width(60),
                                 Item("出力先").display(4).edit(3).initial("P1").width(60)});
  InMemoryRowStore store;
  RowTagSource tags;
  FillList(store, slots, tags, {"a.dwg", "b.dwg"});
  RowBuffer buffer;
  RecordingPrompter prompter;
  MarkRow(store, 0);
  CopyRow(store, slots, buffer, prompter, 0);
  MarkRow(store, 1);
  PasteRow(store, slots, buffer, prompter, 0);
  EXPECT_EQ(prompter.shown,
            (Boxes{Box(0, "最初にコピー操作を行って下さい", "一行PASTE", Icon::kNone)}));

  // Filled earlier (by an edit or a copy under another layout), the cell lets paste go on,
  // by column index.
  buffer.cells[4] = "earlier";
  buffer.cells[1] = "P9";
  PasteRow(store, slots, buffer, prompter, 0);
  EXPECT_EQ(RowTexts(store, 1), (Texts{"b.dwg", "P9"}));
}

}  // namespace
}  // namespace drawlot::testing
