#include "core/edit/cell_editor.h"

#include <gtest/gtest.h>

#include "core/edit/edit_test_support.h"
#include "core/list/list_sort.h"
#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

// Columns: 0 name, 1 folder, 2 date, 3 note (text), 4 orientation (select), 5 printer,
// 6 paper, 7 style, 8 fixed (edit mode 0). Widths 100, 110, 120, ... by column.
class CellEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    slots = Slots(
        {Item("名前").display(1).edit(0).width(100), Item("フォルダ").display(2).edit(0).width(110),
         Item("日時").display(3).edit(0).width(120), Item("隠し").display(0).edit(1).width(60),
         Item("メモ").display(4).edit(1).width(130),
         Item("向き").display(4).edit(2).initial("縦").width(140),
         Item("出力先").display(4).edit(3).initial("LBP-1").width(150),
         Item("用紙").display(4).edit(4).initial("A3").width(160),
         Item("ｽﾀｲﾙ").display(4).edit(5).width(170),
         Item("固定").display(4).edit(0).initial("x").width(180)});
    slots[5].select[0] = "縦";
    slots[5].select[1] = "横";
    FillList(rows, slots, tags, {"a.dwg", "b.dwg", "c.dwg"});
    rows.SetCell(2, 5, "複合機");
    rows.SetCell(2, 6, "Ｂ５");
  }
  std::optional<CellEditorPlacement> Open(int column) {
    return editor.Open(rows, slots, column, catalog, [this] {
      ++style_listings;
      return Texts{"acad.ctb"};
    });
  }

  ItemSlots slots;
  InMemoryRowStore rows;
  RowTagSource tags;
  PrinterCatalog catalog = TwoPrinters();
  CellEditor editor;
  int style_listings = 0;
};

TEST_F(CellEditorTest, TextBoxOpensOverTheEmptiedCellAndStoresWhatWasTyped) {
  MarkRow(rows, 1);
  MarkRow(rows, 2);
  rows.SetCell(1, 3, "old note");
  const auto placement = Open(3);
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->kind, CellEditorState::kTextBox);
  const RowPoint origin = rows.RowOrigin(1);
  EXPECT_EQ(placement->x, origin.x + 100 + 110 + 120);
  EXPECT_EQ(placement->y, origin.y + 42);
  EXPECT_EQ(placement->width, 130);
  EXPECT_EQ(placement->height, 16);
  EXPECT_EQ(placement->text, "old note");
  EXPECT_TRUE(placement->choices.empty());
  EXPECT_EQ(editor.state(), CellEditorState::kTextBox);
  EXPECT_EQ(rows.GetCell(1, 3, 260), "");
  EXPECT_TRUE(MarkedRows(rows).empty());
  EXPECT_EQ(rows.SelectedCount(), 0);

  editor.CommitText(rows, std::string(126, 'n') + "表");
  EXPECT_EQ(rows.GetCell(1, 3, 260), std::string(126, 'n'));
  EXPECT_EQ(editor.state(), CellEditorState::kNone);
  EXPECT_EQ(ColumnTexts(rows, 3), (Texts{"", std::string(126, 'n'), ""}));
}

TEST_F(CellEditorTest, DropDownsListByEditModeAndPaperFollowsColumnFive) {
  MarkRow(rows, 2);
  auto placement = Open(6);
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->kind, CellEditorState::kDropDown);
  EXPECT_EQ(placement->height, 80);
  EXPECT_EQ(placement->text, "Ｂ５");
  EXPECT_EQ(placement->choices, (Texts{"Ａ４縦", "Ｂ５"}));
  editor.Cancel(rows);
  EXPECT_EQ(rows.GetCell(2, 6, 260), "Ｂ５");

  rows.SetCell(0, 5, "gone");  // an unknown printer: entry 0's papers
  MarkRow(rows, 0);
  EXPECT_EQ(Open(6)->choices, (Texts{"A4", "A3", "B4"}));
  editor.Cancel(rows);
  MarkRow(rows, 0);
  EXPECT_EQ(Open(5)->choices, (Texts{"LBP-1", "複合機"}));
  editor.Cancel(rows);
  MarkRow(rows, 0);
  EXPECT_EQ(Open(4)->choices, (Texts{"縦", "横"}));
  editor.Cancel(rows);
  EXPECT_EQ(style_listings, 0);
  MarkRow(rows, 0);
  EXPECT_EQ(Open(7)->choices, (Texts{"acad.ctb"}));
  EXPECT_EQ(style_listings, 1);
}

TEST_F(CellEditorTest, PrinterChosenInColumnFiveGivesColumnSixItsFirstPaper) {
  MarkRow(rows, 0);
  Open(5);
  editor.ChooseEntry();
  EXPECT_TRUE(editor.choice_pending());
  editor.CommitChoice(rows, "複合機", catalog);
  EXPECT_EQ(RowTexts(rows, 0)[5], "複合機");
  EXPECT_EQ(RowTexts(rows, 0)[6], "Ａ４縦");
  EXPECT_EQ(editor.state(), CellEditorState::kNone);

  // A choice in another column changes that cell only.
  MarkRow(rows, 0);
  Open(4);
  editor.CommitChoice(rows, "横", catalog);
  EXPECT_EQ(RowTexts(rows, 0),
            (Texts{"a.dwg", "C:\\dwg", "2024/03/05 14:07", "", "横", "複合機", "Ａ４縦", "", "x"}));
}

TEST_F(CellEditorTest, TheLinkFollowsColumnPositionsNotEditModes) {
  // Column 5 holds select strings here; a choice in it still sets column 6 from printer
  // entry 0, since the chosen text names no printer.
  std::swap(slots[5], slots[6]);
  BuildColumns(rows, slots);
  MarkRow(rows, 1);
  Open(5);
  editor.CommitChoice(rows, "縦", catalog);
  EXPECT_EQ(rows.GetCell(1, 5, 260), "縦");
  EXPECT_EQ(rows.GetCell(1, 6, 260), "A4");

  // Without any printer there is no paper to give: column 6 keeps its text.
  const PrinterCatalog none;
  MarkRow(rows, 1);
  Open(5);
  editor.CommitChoice(rows, "横", none);
  EXPECT_EQ(rows.GetCell(1, 6, 260), "A4");
}

TEST_F(CellEditorTest, NothingOpensWithoutSelectionOrOnAnUneditableColumn) {
  EXPECT_FALSE(Open(3));
  MarkRow(rows, 1);
  EXPECT_FALSE(Open(0));
  EXPECT_FALSE(Open(8));
  EXPECT_FALSE(Open(9));  // no such column
  EXPECT_EQ(editor.state(), CellEditorState::kNone);
  EXPECT_EQ(MarkedRows(rows), (std::vector<int>{1}));
  EXPECT_EQ(rows.GetCell(1, 0, 260), "b.dwg");
}

TEST_F(CellEditorTest, CloseKeepsTypedTextOrPickedEntryAndOtherwiseRestores) {
  MarkRow(rows, 1);
  Open(6);
  editor.Close(rows, "typed, not picked", catalog);
  EXPECT_EQ(rows.GetCell(1, 6, 260), "A3");

  MarkRow(rows, 1);
  Open(5);
  editor.ChooseEntry();
  editor.Close(rows, "複合機", catalog);
  EXPECT_EQ(rows.GetCell(1, 5, 260), "複合機");
  EXPECT_EQ(rows.GetCell(1, 6, 260), "Ａ４縦");

  MarkRow(rows, 1);
  Open(3);
  editor.Close(rows, "note", catalog);
  EXPECT_EQ(rows.GetCell(1, 3, 260), "note");
  EXPECT_EQ(editor.state(), CellEditorState::kNone);
}

TEST_F(CellEditorTest, TheEditedRowIsFollowedThroughSortsAndDeletions) {
  MarkRow(rows, 0);
  Open(6);
  // The list is sorted by name, descending, while the editor is open: a.dwg is now last.
  SortDirections directions;
  RecordingPrompter prompter;
  SortOnHeaderClick(rows, directions, 0, prompter, 0);
  ASSERT_EQ(rows.GetCell(2, 0, 260), "a.dwg");
  EXPECT_EQ(editor.Row(rows), 2);
  editor.Cancel(rows);
  EXPECT_EQ(ColumnTexts(rows, 6), (Texts{"Ｂ５", "A3", "A3"}));

  MarkRow(rows, 1);
  Open(3);
  rows.DeleteRow(1);
  editor.CommitText(rows, "lost with its row");
  EXPECT_EQ(ColumnTexts(rows, 3), (Texts{"", ""}));
}

}  // namespace
}  // namespace drawlot::testing
