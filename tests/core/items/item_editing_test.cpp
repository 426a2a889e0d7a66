#include "core/items/item_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/list/in_memory_row_store.h"
#include "core/list/list_test_support.h"

namespace drawlot {
namespace {

using testing::ColumnTexts;
using testing::RowTexts;

ItemFields TypedFields() {
  ItemFields fields;
  fields.present = true;
  fields.title = "あいうえおかきく";  // 16 bytes: the last character does not fit
  fields.output_mode = "12";          // only the first character counts
  fields.display_mode = "4:初期値";
  fields.edit_mode = "7";  // stored, though no edit mode 7 exists
  fields.width = "  120px";
  fields.select = {"A3", "A4", "0123456789abcdefg", "", "横"};
  fields.initial_value = std::string(126, 'x') + "表";
  fields.command = "_-plot";
  return fields;
}

ScriptItem Stored(bool present, std::string_view title, std::string_view display = "") {
  ItemFields fields;
  fields.present = present;
  fields.title = title;
  fields.display_mode = display;
  return ItemFromFields(fields);
}

TEST(ItemFields, StoredAsTheDialogReadsThem) {
  const ScriptItem item = ItemFromFields(TypedFields());
  EXPECT_EQ(item.present, 1);
  EXPECT_EQ(item.title, "あいうえおかき");
  EXPECT_EQ(item.output_mode, 1);
  EXPECT_EQ(item.display_mode, 4);
  EXPECT_EQ(item.edit_mode, 7);
  EXPECT_EQ(item.width, 120);
  EXPECT_EQ(item.select[2], "0123456789abcde");
  EXPECT_EQ(item.select[4], "横");
  EXPECT_EQ(item.initial_value, std::string(126, 'x'));  // 表 would be cut in half: left out
  EXPECT_EQ(item.command, "_-plot");

  ItemFields odd;
  odd.output_mode = "ﾌｧｲﾙ";
  odd.width = "0000000000000001";  // read from its first 15 bytes only
  const ScriptItem absent = ItemFromFields(odd);
  EXPECT_EQ(absent.present, 0);
  EXPECT_EQ(absent.output_mode, 0);
  EXPECT_EQ(absent.width, 0);
  odd.width = "-5";
  EXPECT_EQ(ItemFromFields(odd).width, -5);
}

TEST(ItemFields, ReadBackWithLabelsOrError) {
  const ItemFields shown = FieldsFromItem(ItemFromFields(TypedFields()));
  EXPECT_TRUE(shown.present);
  EXPECT_EQ(shown.output_mode, "1:COM+PS");
  EXPECT_EQ(shown.display_mode, "4:初期値");
  EXPECT_EQ(shown.edit_mode, "Error");
  EXPECT_EQ(shown.width, "120");
  EXPECT_EQ(shown.select[0], "A3");
  // Read back and stored again, an item stays what it was, except a mode shown as "Error".
  ScriptItem item = ItemFromFields(TypedFields());
  item.edit_mode = 5;
  EXPECT_TRUE(ItemFromFields(FieldsFromItem(item)) == item);
}

TEST(ItemList, ColumnsAndRowsOfTheItemWalk) {
  InMemoryRowStore list;
  CreateItemListColumns(list);
  ASSERT_EQ(list.ColumnCount(), 13);
  const std::vector<int> widths = {30, 80, 60, 70, 70, 30, 60, 60, 60, 60, 60, 60, 60};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(list.ColumnWidth(i), widths[i]) << i;

  ItemSlots slots;
  slots[0] = ItemFromFields(TypedFields());
  slots[1] = Stored(true, "日時", "3");
  slots[3] = slots[1];  // after the gap at slot 2: not shown
  FillItemList(list, slots);
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(RowTexts(list, 0),
            (std::vector<std::string>{"ON", "あいうえおかき", "1:COM+PS", "4:初期値", "Error",
                                      "120", "A3", "A4", "0123456789abcde", "", "横",
                                      std::string(126, 'x'), "_-plot"}));
  EXPECT_EQ(RowTexts(list, 1)[3], "3:日時");

  // An absent item stored into the list shows "OFF" until the list is filled again.
  slots[2] = Stored(false, "off");
  InsertItemRow(list, slots, 2);
  EXPECT_EQ(ColumnTexts(list, 0), (std::vector<std::string>{"ON", "ON", "OFF"}));
  slots[1].present = 0;
  FillItemList(list, slots);
  EXPECT_EQ(list.RowCount(), 1);
}

TEST(ItemSlots, RemoveShiftsUpAndClearsTheLastSlot) {
  ItemSlots slots;
  for (int i = 0; i < 4; ++i) slots[i] = Stored(true, std::string(1, char('a' + i)));
  RemoveItem(slots, 1, 4);
  EXPECT_EQ(slots[0].title, "a");
  EXPECT_EQ(slots[1].title, "c");
  EXPECT_EQ(slots[2].title, "d");
  EXPECT_TRUE(slots[3] == ScriptItem{});
  RemoveItem(slots, 2, 3);  // the last row
  EXPECT_EQ(ItemCount(slots), 2);

  ItemSlots full;
  for (auto& item : full) item.present = 1;
  full[49].title = "last";
  RemoveItem(full, 0, 50);
  EXPECT_EQ(full[48].title, "last");
  EXPECT_EQ(ItemCount(full), 49);
}

TEST(ItemSlots, NewSlotsMovesAndPaging) {
  EXPECT_EQ(NewItemSlot(0), 0);
  EXPECT_EQ(NewItemSlot(49), 49);
  EXPECT_EQ(NewItemSlot(50), kNoRow);
  EXPECT_EQ(SwapTarget(0, 3, ItemMove::kUp), 0);  // with itself at the top
  EXPECT_EQ(SwapTarget(2, 3, ItemMove::kUp), 1);
  EXPECT_EQ(SwapTarget(1, 3, ItemMove::kDown), 2);
  EXPECT_EQ(SwapTarget(2, 3, ItemMove::kDown), 2);  // and at the bottom
  EXPECT_EQ(PreviousSetIndex(0), 19);
  EXPECT_EQ(PreviousSetIndex(19), 18);
  EXPECT_EQ(NextSetIndex(19), 0);
  EXPECT_EQ(NextSetIndex(0), 1);
  EXPECT_EQ(SetNumberText(0), "No0");
  EXPECT_EQ(SetNumberText(19), "No19");
}

TEST(SetHeader, StoredFlagAndTitleCutToTheField) {
  ScriptItemSet set;
  StoreSetHeader(set, SetHeader{true, std::string(62, 'x') + "図面"});
  EXPECT_EQ(set.present, 1);
  EXPECT_EQ(set.title, std::string(62, 'x'));
  StoreSetHeader(set, SetHeader{false, "印刷"});
  EXPECT_EQ(set.present, 0);
  const SetHeader header = HeaderOfSet(set);
  EXPECT_FALSE(header.present);
  EXPECT_EQ(header.title, "印刷");
}

TEST(TitleFromPartialScriptPath, NameBetweenTheLastBackslashAndTheLastDot) {
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\図面\\図面.dat"), "図面");
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\x\\a.b.dat"), "a.b");
  // 表 ends in 5C and 亜 (88 9F) in a byte that could start a character: neither ends a folder.
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\表.dat"), "表");
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\亜\\部分.dat"), "部分");
  // A dot in a folder's name, none in the file's: the name runs to the end of the path.
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\v1.2\\部分"), "部分");
  EXPECT_EQ(TitleFromPartialScriptPath("部分"), "部分");
  // Neither counts at the first byte.
  EXPECT_EQ(TitleFromPartialScriptPath(".dat"), ".dat");
  EXPECT_EQ(TitleFromPartialScriptPath("\\a.dat"), "\\a");
  EXPECT_EQ(TitleFromPartialScriptPath("C:\\x\\"), "");
}

}  // namespace
}  // namespace drawlot
