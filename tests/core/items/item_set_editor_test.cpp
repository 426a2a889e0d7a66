#include "core/items/item_set_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/list/list_test_support.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::ColumnTexts;
using testing::RecordingPrompter;
using testing::ScriptedFileNamePicker;
using testing::TempFolder;
using Texts = std::vector<std::string>;

constexpr WindowRef kDialog = 0x913;

ItemFields Fields(std::string_view title, bool present = true) {
  ItemFields fields;
  fields.present = present;
  fields.title = title;
  fields.display_mode = "1";
  return fields;
}

class ItemSetEditorTest : public ::testing::Test {
 protected:
  ItemSetEditorTest() { editor.Open(); }
  void Select(int row) {
    for (int i = 0; i < list.RowCount(); ++i) list.SetRowState(i, 0, kMarkStates);
    list.SetRowState(row, kStateSelected, kStateSelected);
  }
  Texts Titles() const { return ColumnTexts(list, 1); }
  // Every box as "text / title", after checking its owner, buttons and icon.
  Texts Boxes() const {
    Texts texts;
    for (const Message& box : prompter.shown) {
      EXPECT_EQ(box.owner, kDialog);
      EXPECT_EQ(box.icon, Icon::kNone);
      const bool question = box.title == "確認！";
      EXPECT_EQ(box.buttons, question ? Buttons::kYesNo : Buttons::kOk) << box.text;
      texts.push_back(box.text + " / " + box.title);
    }
    return texts;
  }

  ScriptItemTable table{};
  int shown_set = 0;
  InMemoryRowStore list;
  RecordingPrompter prompter;
  ScriptedFileNamePicker picker;
  ItemSetEditor editor{
      ItemSetEditorContext{table, shown_set, list, prompter, kDialog, "C:\\起動", picker}};
};

TEST_F(ItemSetEditorTest, ButtonsOnTheSelectedRowAndTheFiftyRowRefusal) {
  for (const char* title : {"a", "b", "c"}) editor.AddItem(Fields(title));
  // Nothing selected: a box each, nothing changed.
  EXPECT_EQ(editor.ReadItem(), std::nullopt);
  editor.RewriteItem(Fields("x"));
  editor.DeleteItem();
  EXPECT_FALSE(editor.MoveItem(ItemMove::kUp));
  EXPECT_EQ(Boxes(),
            (Texts{"項目を選択して下さい / 操作ミス！", "項目を選択して下さい / 操作ミス！",
                   "項目を選択して下さい / 操作ミス！", "項目を選択して下さい / 一行COPY"}));
  EXPECT_EQ(Titles(), (Texts{"a", "b", "c"}));

  Select(1);
  editor.DeleteItem();
  EXPECT_EQ(Titles(), (Texts{"a", "c"}));
  EXPECT_TRUE(table.sets[0].items[2] == ScriptItem{});
  Select(1);
  EXPECT_TRUE(editor.MoveItem(ItemMove::kDown));  // the last row swaps with itself
  EXPECT_EQ(list.NextSelectedRow(), 1);
  EXPECT_EQ(list.GetRowState(1, kStateFocused), kStateFocused);

  // Rewriting row 0 as absent shows "OFF"; the next fill of the list hides it and all after.
  Select(0);
  editor.RewriteItem(Fields("消す", false));
  EXPECT_EQ(ColumnTexts(list, 0), (Texts{"OFF", "ON"}));
  Select(0);
  EXPECT_EQ(editor.ReadItem()->title, "消す");
  Select(1);
  editor.MoveItem(ItemMove::kDown);  // refills the list: the absent slot 0 ends the walk
  EXPECT_EQ(list.RowCount(), 0);

  prompter.shown.clear();
  for (int i = 0; i < 51; ++i) editor.AddItem(Fields(std::to_string(i)));
  EXPECT_EQ(list.RowCount(), 50);
  EXPECT_EQ(Boxes(), (Texts{"これ以上追加出来ません / 操作ミス！"}));
}

TEST_F(ItemSetEditorTest, PasteAndClearActOnlyOnYesThenNo) {
  editor.AddItem(Fields("old"));
  // Given up at either question: nothing happens.
  prompter.answers = {Answer::kNo, Answer::kYes, Answer::kYes};
  EXPECT_FALSE(editor.PasteSet());
  EXPECT_FALSE(editor.ClearSet());
  EXPECT_EQ(Titles(), (Texts{"old"}));
  // Pasting before any copy clears the set.
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.PasteSet());
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(
      Boxes(),
      (Texts{"リスト全部貼付して良いですか。 / 確認！", "リスト全部消して良いですか。 / 確認！",
             "やっぱり全部削除やめますか。 / 確認！", "リスト全部貼付して良いですか。 / 確認！",
             "やっぱり全部貼付やめますか。 / 確認！"}));

  editor.AddItem(Fields("a"));
  editor.CopySet();
  editor.ShowNextSet(SetHeader{true, "零"});
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.PasteSet());
  EXPECT_EQ(Titles(), (Texts{"a"}));
  EXPECT_EQ(table.sets[1].title, "");  // the set's own header is not pasted
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.ClearSet());
  EXPECT_EQ(ItemCount(table.sets[1].items), 0);
  EXPECT_EQ(table.sets[0].title, "零");  // stored when the next set was shown
  EXPECT_EQ(table.sets[0].items[0].title, "a");
}

TEST_F(ItemSetEditorTest, PartialScriptResultsAndTheTitleFromTheFileName) {
  TempFolder folder;
  table.sets[0].title = "図面";
  editor.AddItem(Fields("a"));
  table.sets[0].items[2] = ItemFromFields(Fields("after the gap"));
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("図面.dat")};
  editor.SavePartialScript();

  editor.ShowNextSet(editor.Header());
  editor.AddItem(Fields("kept"));
  // A name that cannot be opened: a box, and the set keeps its items.
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("無い.dat")};
  EXPECT_EQ(editor.LoadPartialScript(), std::nullopt);
  EXPECT_EQ(table.last_partial_script_path, folder.File("無い.dat"));
  EXPECT_EQ(Boxes().back(), "ファイルの読込めませんでした。 / 読込エラー！");
  EXPECT_EQ(Titles(), (Texts{"kept"}));
  // A cancelled dialog says nothing and changes nothing.
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_EQ(editor.LoadPartialScript(), std::nullopt);
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("図面.dat")};
  EXPECT_EQ(editor.LoadPartialScript(), "図面");
  EXPECT_EQ(Titles(), (Texts{"a"}));  // the gap at slot 1 ends the walk
  EXPECT_EQ(table.sets[1].items[2].title, "after the gap");

  prompter.shown.clear();
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("無い") + "/x.dat"};
  editor.SavePartialScript();
  EXPECT_EQ(Boxes(),
            (Texts{"部分スクリプトを保存しますか。 / 確認！", "やっぱり保存やめますか。 / 確認！",
                   "ファイルの保存出来ませんでした。 / 書込エラー！"}));
}

}  // namespace
}  // namespace drawlot
