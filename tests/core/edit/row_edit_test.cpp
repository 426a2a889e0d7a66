#include "core/edit/row_edit.h"

#include <gtest/gtest.h>

#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x51;

// Columns: name, folder, date, printer, paper, note (edit mode 0); a hidden item sits between
// the date and the printer.
class RowEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FillList(rows, slots, tags, {"a.dwg", "b.dwg", "c.dwg", "d.dwg"});
    rows.SetCell(1, 3, "PRN-B");
    rows.SetCell(1, 5, "note-b");
  }
  // A dialog that records what it was shown and types `typed` into cells, then says OK or not.
  EditDialogRunner Dialog(std::vector<std::pair<int, std::string>> typed, bool ok) {
    return [this, typed, ok](EditDialogMode mode, RowBuffer& shown) {
      modes.push_back(mode);
      shown_cells.assign(shown.cells.begin(), shown.cells.end());
      if (ok) {
        for (const auto& [cell, text] : typed) shown.cells[cell] = text;
      }
      return ok;
    };
  }

  ItemSlots slots = DrawingSlots();
  InMemoryRowStore rows;
  RowTagSource tags;
  RowBuffer buffer;
  RecordingPrompter prompter;
  std::vector<EditDialogMode> modes;
  std::vector<FixedText<128>> shown_cells;
};

TEST_F(RowEditTest, OneRowEditShowsTheFirstSelectedRowAndWritesEverySelectedRow) {
  buffer.cells[7] = "beyond the walk";
  buffer.cells[6] = "stale";
  for (int row : {1, 2, 3}) MarkRow(rows, row);
  EditRow(rows, slots, buffer, prompter, kOwner, Dialog({{3, "PRN-X"}, {4, "A0"}}, true));

  ASSERT_EQ(modes, (std::vector{EditDialogMode::kOneRow}));
  EXPECT_EQ(shown_cells[0], "b.dwg");
  EXPECT_EQ(shown_cells[3], "PRN-B");
  EXPECT_EQ(shown_cells[5], "note-b");
  EXPECT_EQ(shown_cells[6], "");  // item 6 of the walk has no column: read as empty
  EXPECT_EQ(shown_cells[7], "beyond the walk");
  // Columns 3 and up of all three rows take the first row's values as edited, the note too.
  for (int row : {1, 2, 3}) {
    const std::string name = std::string(1, static_cast<char>('a' + row)) + ".dwg";
    EXPECT_EQ(RowTexts(rows, row),
              (Texts{name, "C:\\dwg", "2024/03/05 14:07", "PRN-X", "A0", "note-b"}))
        << row;
  }
  EXPECT_EQ(RowTexts(rows, 0), (Texts{"a.dwg", "C:\\dwg", "2024/03/05 14:07", "LBP", "A3", "-"}));
  EXPECT_EQ(rows.SelectedCount(), 0);
  EXPECT_TRUE(MarkedRows(rows).empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RowEditTest, CancelledOneRowEditChangesNoRowAndKeepsTheSelection) {
  MarkRow(rows, 1);
  MarkRow(rows, 2);
  EditRow(rows, slots, buffer, prompter, kOwner, Dialog({}, false));
  EXPECT_EQ(rows.GetCell(2, 3, 260), "LBP");
  EXPECT_EQ(rows.GetCell(2, 5, 260), "-");
  EXPECT_EQ(MarkedRows(rows), (std::vector<int>{1, 2}));
  EXPECT_EQ(buffer.cells[3], "PRN-B");  // the buffer holds the row as read
}

TEST_F(RowEditTest, OneRowEditWithoutSelectionAsksAndOpensNothing) {
  EditRow(rows, slots, buffer, prompter, kOwner, Dialog({}, true));
  EXPECT_TRUE(modes.empty());
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, "項目を選択して下さい", "一行編集", Icon::kNone)}));
}

TEST_F(RowEditTest, ColumnEditWritesFilledFieldsToEveryRowAndKeepsACopiedRow) {
  MarkRow(rows, 1);
  CopyRow(rows, slots, buffer, prompter, kOwner);
  MarkRow(rows, 2);
  EditColumn(rows, slots, buffer, Dialog({{4, "A1"}}, true));

  ASSERT_EQ(modes, (std::vector{EditDialogMode::kOneColumn}));
  for (int cell = 0; cell < 7; ++cell) EXPECT_TRUE(shown_cells[cell].empty()) << cell;
  EXPECT_EQ(ColumnTexts(rows, 4), (Texts{"A1", "A1", "A1", "A1"}));
  EXPECT_EQ(ColumnTexts(rows, 3), (Texts{"LBP", "PRN-B", "LBP", "LBP"}));
  EXPECT_EQ(ColumnTexts(rows, 5), (Texts{"-", "note-b", "-", "-"}));
  EXPECT_TRUE(MarkedRows(rows).empty());
  // The copied row survives the column edit and still pastes.
  EXPECT_EQ(buffer.cells[3], "PRN-B");
  MarkRow(rows, 0);
  PasteRow(rows, slots, buffer, prompter, kOwner);
  EXPECT_EQ(RowTexts(rows, 0), (Texts{"a.dwg", "C:\\dwg", "2024/03/05 14:07", "PRN-B", "A3", "-"}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RowEditTest, CancelledColumnEditChangesNothing) {
  MarkRow(rows, 2);
  buffer.cells[4] = "copied";
  EditColumn(rows, slots, buffer, Dialog({{4, "A1"}}, false));
  EXPECT_EQ(ColumnTexts(rows, 4), (Texts{"A3", "A3", "A3", "A3"}));
  EXPECT_EQ(MarkedRows(rows), (std::vector<int>{2}));
  EXPECT_EQ(buffer.cells[4], "copied");
}

TEST_F(RowEditTest, InitialValuesStoreOnlyDisplayModeFourItems) {
  // A hidden item (no column) between two initial-value items, and a folder item typed over.
  slots = Slots({Item("名前").display(1).edit(0).width(60),
                 Item("フォルダ").display(2).edit(1).width(60),
                 Item("隠し").display(0).edit(1).initial("h").width(60),
                 Item("出力先").display(4).edit(3).initial("LBP").width(60),
                 Item("用紙").display(4).edit(4).initial("A3").width(60)});
  buffer.cells[1] = "kept";
  buffer.cells[2] = "old";
  EditInitialValues(slots, buffer, Dialog({{1, "typed"}, {2, "PRN"}, {3, "B4"}}, true));
  ASSERT_EQ(modes, (std::vector{EditDialogMode::kInitialValues}));
  EXPECT_EQ(shown_cells[1], "kept");
  EXPECT_EQ(shown_cells[2], "LBP");
  EXPECT_EQ(shown_cells[3], "A3");
  EXPECT_EQ(slots[3].initial_value, "PRN");
  EXPECT_EQ(slots[4].initial_value, "B4");
  EXPECT_EQ(slots[1].initial_value, "");
  EXPECT_EQ(slots[2].initial_value, "h");
  EXPECT_EQ(buffer.cells[1], "typed");  // shown and kept, but not stored
}

TEST(EditDialogTitle, ThreeTitlesWithTheirFullWidthSpaces) {
  const std::string one_row = EditDialogTitle(EditDialogMode::kOneRow, "x");
  const std::string one_column = EditDialogTitle(EditDialogMode::kOneColumn, "x");
  EXPECT_EQ(one_row, "一行編集　選んだ行を変更します");
  EXPECT_EQ(one_column, "列単位で編集　列で変更します。空欄は変更しない");
  EXPECT_EQ(one_row.substr(8, 2), "\x81\x40");  // the wide blank is code page 932's own
  EXPECT_EQ(one_column.substr(12, 2), "\x81\x40");
  EXPECT_EQ(EditDialogTitle(EditDialogMode::kInitialValues, "標準ｾｯﾄ"),
            "初期設定(標準ｾｯﾄ)読込時に設定します");
}

}  // namespace
}  // namespace drawlot::testing
