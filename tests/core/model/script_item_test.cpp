#include <gtest/gtest.h>

#include "core/model/column_layout.h"
#include "core/model/script_item.h"

namespace drawlot {
namespace {

TEST(ModeLabels, TextsOfTheModeDropDowns) {
  EXPECT_EQ(OutputModeLabel(0), "0:無");
  EXPECT_EQ(OutputModeLabel(1), "1:COM+PS");
  EXPECT_EQ(OutputModeLabel(2), "2:ｺﾏﾝﾄﾞ");
  EXPECT_EQ(OutputModeLabel(3), "3:1文字");
  EXPECT_EQ(OutputModeLabel(4), "4:全文字");
  EXPECT_EQ(DisplayModeLabel(0), "0:非表示");
  EXPECT_EQ(DisplayModeLabel(1), "1:ﾌｧｲﾙ名");
  EXPECT_EQ(DisplayModeLabel(2), "2:ﾌｫﾙﾀﾞ名");
  EXPECT_EQ(DisplayModeLabel(3), "3:日時");
  EXPECT_EQ(DisplayModeLabel(4), "4:初期値");
  EXPECT_EQ(EditModeLabel(0), "0:無");
  EXPECT_EQ(EditModeLabel(1), "1:text");
  EXPECT_EQ(EditModeLabel(2), "2:選択");
  EXPECT_EQ(EditModeLabel(3), "3:出力先");
  EXPECT_EQ(EditModeLabel(4), "4:用紙");
  EXPECT_EQ(EditModeLabel(5), "5:ｽﾀｲﾙ");
}

TEST(ModeLabels, ValuesOutsideTheTablesShowError) {
  EXPECT_EQ(OutputModeLabel(5), "Error");
  EXPECT_EQ(OutputModeLabel(-1), "Error");
  EXPECT_EQ(DisplayModeLabel(5), "Error");
  EXPECT_EQ(EditModeLabel(6), "Error");
  EXPECT_EQ(EditModeLabel(2147483647), "Error");
}

TEST(ModeLabels, ReadBackAsTheFirstCharactersDigit) {
  EXPECT_EQ(ModeFromLabel("3:日時"), 3);
  EXPECT_EQ(ModeFromLabel("9"), 9);  // typed by hand: stored, shown as "Error"
  EXPECT_EQ(DisplayModeLabel(ModeFromLabel("9")), "Error");
  EXPECT_EQ(ModeFromLabel("12"), 1);    // only the first character counts
  EXPECT_EQ(ModeFromLabel("ﾌｧｲﾙ"), 0);  // not a digit, nor a "-" or a blank before one
  EXPECT_EQ(ModeFromLabel("-3"), 0);
  EXPECT_EQ(ModeFromLabel(" 3"), 0);
  EXPECT_EQ(ModeFromLabel(""), 0);
}

ItemSlots Slots(std::initializer_list<std::pair<int, int>> present_and_display) {
  ItemSlots slots;
  int i = 0;
  for (auto [present, display] : present_and_display) {
    slots[i].present = present;
    slots[i].display_mode = display;
    ++i;
  }
  return slots;
}

TEST(ItemWalk, EndsAtTheFirstAbsentSlot) {
  EXPECT_EQ(ItemCount(ItemSlots{}), 0);
  EXPECT_EQ(ItemCount(Slots({{1, 1}, {1, 0}, {0, 1}, {1, 1}})), 2);
  ItemSlots full;
  for (auto& item : full) item.present = 1;
  EXPECT_EQ(ItemCount(full), 50);
}

TEST(ColumnLayout, BothWalksOverASetWithAGap) {
  // Hidden, file name, hidden, folder, an absent slot with a display mode, one after the gap.
  const ItemSlots slots = Slots({{1, 0}, {1, 1}, {1, 0}, {1, 7}, {0, 1}, {1, 4}});
  const ColumnLayout walk = ColumnLayout::ItemWalk(slots);
  const ColumnLayout builder = ColumnLayout::ColumnBuilderWalk(slots);
  struct Row {
    int slot, walk_column, builder_column, walk_counter;
  };
  // A display mode outside the table still has a column; -1 stands for none.
  for (const Row& row :
       {Row{-1, -1, -1, -1}, Row{0, -1, -1, -1}, Row{1, 0, 0, 0}, Row{2, -1, -1, 0},
        Row{3, 1, 1, 1}, Row{4, -1, -1, -1}, Row{5, -1, 2, -1}, Row{50, -1, -1, -1}}) {
    EXPECT_EQ(walk.ColumnOf(row.slot).value_or(-1), row.walk_column) << row.slot;
    EXPECT_EQ(builder.ColumnOf(row.slot).value_or(-1), row.builder_column) << row.slot;
    EXPECT_EQ(walk.ColumnCounterAt(row.slot), row.walk_counter) << row.slot;
  }
  EXPECT_EQ(walk.column_count(), 2);
  EXPECT_EQ(walk.walked_slots(), 4);
  EXPECT_EQ(builder.column_count(), 3);
  EXPECT_EQ(builder.walked_slots(), 50);
  for (int column : {-1, 0, 1, 2, 3}) {
    const int walk_slot = column == 0 ? 1 : column == 1 ? 3 : -1;
    const int builder_slot = column == 2 ? 5 : column < 2 ? walk_slot : -1;
    EXPECT_EQ(walk.SlotOf(column).value_or(-1), walk_slot) << column;
    EXPECT_EQ(builder.SlotOf(column).value_or(-1), builder_slot) << column;
  }
  EXPECT_EQ(ColumnLayout::ItemWalk(ItemSlots{}).column_count(), 0);
}

TEST(SetWalks, TitlesAndPresenceEndTheirWalks) {
  ScriptItemTable table;
  ClearTable(table);
  EXPECT_EQ(TitledSetCount(table), 0);
  EXPECT_EQ(PresentSetCount(table), 0);
  table.sets[0] = {1, FixedText<64>("A"), {}};
  table.sets[1] = {1, FixedText<64>(""), {}};
  table.sets[2] = {1, FixedText<64>("C"), {}};
  EXPECT_EQ(TitledSetCount(table), 1);  // the empty title cuts the drop-down
  EXPECT_EQ(PresentSetCount(table), 3);
  table.sets[1].title = "B";
  table.sets[1].present = 0;
  EXPECT_EQ(TitledSetCount(table), 3);
  EXPECT_EQ(PresentSetCount(table), 1);
}

TEST(SetWalks, TitleIsCutAtFifteenBytesForItems) {
  ScriptItem item;
  item.title = "0123456789ABCDEFG";
  EXPECT_EQ(item.title.view(), "0123456789ABCDE");
}

TEST(CurrentSet, TypeCharactersNameSetsZeroToNineteen) {
  EXPECT_EQ(SetIndexFromType('0'), 0);
  EXPECT_EQ(SetIndexFromType('9'), 9);
  EXPECT_EQ(SetIndexFromType(':'), 10);
  EXPECT_EQ(SetIndexFromType('@'), 16);
  EXPECT_EQ(SetIndexFromType('C'), 19);
  EXPECT_EQ(SetIndexFromType('D'), 0);  // outside the table: set 0
  EXPECT_EQ(SetIndexFromType('/'), 0);
  for (int k = 0; k < kSetCount; ++k) EXPECT_EQ(SetIndexFromType(TypeFromSetIndex(k)), k);
}

}  // namespace
}  // namespace drawlot
