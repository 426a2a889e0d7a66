#include <gtest/gtest.h>

#include <set>

#include "core/list/list_rows.h"
#include "core/list/list_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

const NewDrawing kDrawing{"図面表.dwg", "C:\\図面\\表", "2024/03/05 14:07", kIconDwg};

TEST(FormatFileTime, WritesYearMonthDayHourMinuteInAtMost39Characters) {
  EXPECT_EQ(FormatFileTime({2024, 2, 1, 9, 5}), "2024/02/01 09:05");
  EXPECT_EQ(FormatFileTime({2024, 3, 5, 14, 7}), "2024/03/05 14:07");
  const std::string text = FormatFileTime({-2000000000, -2000000000, -2000000000, 1, 1});
  EXPECT_EQ(text, std::string("-2000000000/-2000000000/-2000000000 01:").substr(0, 39));
}

TEST(IconOfFileName, DwgOnlyForWgInOneCase) {
  EXPECT_EQ(IconOfFileName("a.dwg"), kIconDwg);
  EXPECT_EQ(IconOfFileName("A.DWG"), kIconDwg);
  EXPECT_EQ(IconOfFileName("a.Dwg"), kIconDwg);
  EXPECT_EQ(IconOfFileName("a.dWG"), kIconDwg);
  EXPECT_EQ(IconOfFileName("a.dwG"), kIconDxf);
  EXPECT_EQ(IconOfFileName("a.dxf"), kIconDxf);
  EXPECT_EQ(IconOfFileName("g"), kIconDxf);
  EXPECT_EQ(IconOfFileName(""), kIconDxf);
}

TEST(BuildColumns, OneColumnPerDisplayedItemOverAllSlots) {
  ItemSlots slots = Slots({Item("名前").display(1).width(120), Item("隠し").edit(1).width(60),
                           Item("日時").display(3).width(90)});
  slots[4] = Item("出力先").display(4).edit(3).width(150);  // after a gap: still a column
  slots[49] = Item("最後").display(4).edit(1).width(30);
  slots[10] = Item("無効").display(4).edit(1).width(60);
  slots[10].present = 0;  // absent, whatever else it holds
  InMemoryRowStore store;
  store.InsertColumn(0, "old", 1);
  store.InsertColumn(1, "old", 2);

  BuildColumns(store, slots);
  ASSERT_EQ(store.ColumnCount(), 4);
  EXPECT_EQ(store.ColumnTitle(0), "名前");
  EXPECT_EQ(store.ColumnTitle(1), "日時");
  EXPECT_EQ(store.ColumnTitle(2), "出力先");
  EXPECT_EQ(store.ColumnTitle(3), "最後");
  EXPECT_EQ(store.ColumnWidth(0), 120);
  EXPECT_EQ(store.ColumnWidth(1), 90);
  EXPECT_EQ(store.ColumnWidth(3), 30);

  BuildColumns(store, ItemSlots{});
  EXPECT_EQ(store.ColumnCount(), 0);
}

TEST(InsertDrawingRow, FillsEachColumnByItsDisplayMode) {
  const ItemSlots slots = DrawingSlots();
  InMemoryRowStore store;
  RowTagSource tags;
  BuildColumns(store, slots);
  EXPECT_EQ(InsertDrawingRow(store, slots, tags, kDrawing, 0), 0);
  EXPECT_EQ(RowTexts(store, 0),
            (Texts{"図面表.dwg", "C:\\図面\\表", "2024/03/05 14:07", "LBP", "A3", "-"}));
  EXPECT_EQ(store.IconOf(0), kIconDwg);
}

TEST(InsertDrawingRow, FirstDisplayedItemMakesTheRow) {
  // Slot 0 hidden: the folder is the first cell and carries the icon. Two file-name items both
  // show the name.
  const ItemSlots slots = Slots(
      {Item("cmd").edit(1).width(60), Item("フォルダ").display(2).edit(1).width(60),
       Item("名前").display(1).edit(1).width(60), Item("名前2").display(1).edit(1).width(60)});
  InMemoryRowStore store;
  RowTagSource tags;
  BuildColumns(store, slots);
  InsertDrawingRow(store, slots, tags, NewDrawing{"a.dxf", "D:\\x", "", kIconDxf}, 0);
  EXPECT_EQ(RowTexts(store, 0), (Texts{"D:\\x", "a.dxf", "a.dxf"}));
  EXPECT_EQ(store.IconOf(0), kIconDxf);
}

TEST(InsertDrawingRow, UnknownDisplayModeGivesAnEmptyColumn) {
  const ItemSlots slots = Slots({Item("名前").display(1).edit(1).width(60),
                                 Item("七").display(7).edit(1).initial("init").width(60),
                                 Item("負").display(-1).edit(1).width(60),
                                 Item("用紙").display(4).edit(1).initial("A4").width(60)});
  InMemoryRowStore store;
  RowTagSource tags;
  BuildColumns(store, slots);
  InsertDrawingRow(store, slots, tags, kDrawing, 0);
  EXPECT_EQ(RowTexts(store, 0), (Texts{"図面表.dwg", "", "", "A4"}));
}

TEST(InsertDrawingRow, StopsAtTheFirstAbsentSlot) {
  ItemSlots slots = Slots({Item("名前").display(1).edit(1).width(60),
                           Item("用紙").display(4).edit(1).initial("A3").width(60)});
  slots[3] = Item("後").display(4).edit(1).initial("after gap").width(60);
  InMemoryRowStore store;
  RowTagSource tags;
  BuildColumns(store, slots);
  ASSERT_EQ(store.ColumnCount(), 3);
  InsertDrawingRow(store, slots, tags, kDrawing, 0);
  EXPECT_EQ(RowTexts(store, 0), (Texts{"図面表.dwg", "A3", ""}));
}

TEST(InsertDrawingRow, NothingWhenNoItemIsDisplayed) {
  const ItemSlots slots = Slots({Item("cmd").edit(1).width(60), Item("cmd2").edit(1).width(60)});
  InMemoryRowStore store;
  RowTagSource tags;
  EXPECT_EQ(InsertDrawingRow(store, slots, tags, kDrawing, 0), kNoRow);
  EXPECT_EQ(store.RowCount(), 0);
}

TEST(InsertDrawingRow, EveryRowGetsAFreshTagWhereverItGoes) {
  const ItemSlots slots = DrawingSlots();
  InMemoryRowStore store;
  RowTagSource tags;
  FillList(store, slots, tags, {"a.dwg", "b.dwg"});
  // In the middle and at the top: positions repeat, tags do not.
  InsertDrawingRow(store, slots, tags, NewDrawing{"c.dwg", "", "", kIconDwg}, 1);
  InsertDrawingRow(store, slots, tags, NewDrawing{"d.dwg", "", "", kIconDwg}, 0);
  store.DeleteRow(0);
  InsertDrawingRow(store, slots, tags, NewDrawing{"e.dwg", "", "", kIconDwg}, 0);
  EXPECT_EQ(ColumnTexts(store, 0), (Texts{"e.dwg", "a.dwg", "c.dwg", "b.dwg"}));
  std::set<std::int32_t> seen;
  for (int row = 0; row < store.RowCount(); ++row) seen.insert(store.TagOf(row));
  EXPECT_EQ(seen.size(), 4u);
}

// A store that refuses new rows, as a control out of memory would.
class RefusingRowStore : public InMemoryRowStore {
 public:
  int InsertRow(int position, std::string_view first_cell, int icon, std::int32_t tag) override {
    if (refuse) return kNoRow;
    return InMemoryRowStore::InsertRow(position, first_cell, icon, tag);
  }
  bool refuse = false;
};

TEST(InsertDrawingRow, RefusedRowLeavesTheOthersAlone) {
  const ItemSlots slots = DrawingSlots();
  RefusingRowStore store;
  RowTagSource tags;
  BuildColumns(store, slots);
  InsertDrawingRow(store, slots, tags, NewDrawing{"a.dwg", "C:\\a", "x", kIconDwg}, 0);
  store.refuse = true;
  EXPECT_EQ(InsertDrawingRow(store, slots, tags, kDrawing, 0), kNoRow);
  EXPECT_EQ(store.RowCount(), 1);
  EXPECT_EQ(RowTexts(store, 0), (Texts{"a.dwg", "C:\\a", "x", "LBP", "A3", "-"}));
}

TEST(ReadCellText, CutsWithoutSplittingADoubleByteCharacter) {
  InMemoryRowStore store;
  store.InsertRow(0, std::string(258, 'a') + "表" + "b", kIconDwg, 0);
  EXPECT_EQ(ReadCellText(store, 0, 0), std::string(258, 'a'));
  EXPECT_EQ(ReadCellText(store, 0, 0, 260), std::string(258, 'a') + "表");
  store.SetCell(0, 0, std::string(300, 'x'));
  EXPECT_EQ(ReadCellText(store, 0, 0), std::string(259, 'x'));
}

}  // namespace
}  // namespace drawlot::testing
