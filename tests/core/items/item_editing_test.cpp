#include "core/items/item_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/list/list_test_support.h"
#include "support/fakes/in_memory_row_store.h"

namespace drawlot {
namespace {

using testing::ColumnTexts;
using testing::RowTexts;
using Texts = std::vector<std::string>;

ItemFields Typed(bool present, std::string_view title, std::string_view display = "") {
  ItemFields fields;
  fields.present = present;
  fields.title = title;
  fields.display_mode = display;
  return fields;
}

TEST(ItemFields, StoredAsTheDialogReadsThemAndShownBack) {
  ItemFields fields = Typed(true, "あいうえおかきく", "4:初期値");  // 16 bytes: く does not fit
  fields.output_mode = "12";  // only the first character counts
  fields.edit_mode = "7";     // stored, though no edit mode 7 exists
  fields.width = "  120px";
  fields.select = {"A3", "", "0123456789abcdefg", "", "横"};
  fields.initial_value = std::string(126, 'x') + "表";  // 表 would be cut in half: left out
  const ScriptItem item = ItemFromFields(fields);
  EXPECT_EQ(item.title, "あいうえおかき");
  EXPECT_EQ(item.output_mode, 1);
  EXPECT_EQ(item.display_mode, 4);
  EXPECT_EQ(item.edit_mode, 7);
  EXPECT_EQ(item.width, 120);
  EXPECT_EQ(item.select[2], "0123456789abcde");
  EXPECT_EQ(item.initial_value, std::string(126, 'x'));

  ItemFields odd = Typed(false, "", "ﾌｧｲﾙ");
  odd.width = "0000000000000001";  // the width is read from its first 15 bytes only
  EXPECT_TRUE(ItemFromFields(odd) == ScriptItem{});

  const ItemFields shown = FieldsFromItem(item);
  EXPECT_EQ(shown.output_mode, "1:COM+PS");
  EXPECT_EQ(shown.edit_mode, "Error");
  EXPECT_EQ(shown.width, "120");
}

TEST(ItemList, RowsOfTheItemWalkAndTheAbsentSlotThatHidesTheRest) {
  InMemoryRowStore list;
  CreateItemListColumns(list);
  ItemSlots slots;
  ItemFields first = Typed(true, "図面", "1");
  first.output_mode = "9";
  first.width = "-5";
  first.command = "_open";
  slots[0] = ItemFromFields(first);
  slots[1] = ItemFromFields(Typed(true, "日時", "3"));
  slots[3] = slots[1];  // after the gap at slot 2: not shown
  FillItemList(list, slots);
  EXPECT_EQ(RowTexts(list, 0), (Texts{"ON", "図面", "Error", "1:ﾌｧｲﾙ名", "0:無", "-5", "", "", "",
                                      "", "", "", "_open"}));
  EXPECT_EQ(list.RowCount(), 2);

  // An absent item stored into the list shows "OFF" until the list is filled again; then it
  // and every row after it are gone.
  slots[0] = ItemFromFields(Typed(false, "off"));
  list.DeleteRow(0);
  InsertItemRow(list, slots, 0);
  EXPECT_EQ(ColumnTexts(list, 0), (Texts{"OFF", "ON"}));
  FillItemList(list, slots);
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(ItemSlots, RemoveSwapTargetsAndPaging) {
  ItemSlots slots;
  for (int i = 0; i < 4; ++i) slots[i] = ItemFromFields(Typed(true, std::string(1, 'a' + i)));
  RemoveItem(slots, 1, 4);
  EXPECT_EQ(slots[1].title, "c");
  EXPECT_EQ(slots[2].title, "d");
  EXPECT_TRUE(slots[3] == ScriptItem{});  // the last slot is cleared
  RemoveItem(slots, 0, 1);  // the only row shown: its slot is cleared, the slots beyond stay
  EXPECT_TRUE(slots[0] == ScriptItem{});
  EXPECT_EQ(slots[1].title, "c");

  EXPECT_EQ(NewItemSlot(49), 49);
  EXPECT_EQ(NewItemSlot(50), kNoRow);  // the 50-row refusal
  EXPECT_EQ(SwapTarget(0, 3, ItemMove::kUp), 0);
  EXPECT_EQ(SwapTarget(2, 3, ItemMove::kUp), 1);
  EXPECT_EQ(SwapTarget(1, 3, ItemMove::kDown), 2);
  EXPECT_EQ(SwapTarget(2, 3, ItemMove::kDown), 2);
  EXPECT_EQ(PreviousSetIndex(0), 19);
  EXPECT_EQ(NextSetIndex(19), 0);
  EXPECT_EQ(SetNumberText(19), "No19");
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
}

}  // namespace
}  // namespace drawlot
