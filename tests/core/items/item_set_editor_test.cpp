#include "core/items/item_set_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/items/partial_script_file.h"
#include "core/list/in_memory_row_store.h"
#include "core/list/list_test_support.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::ColumnTexts;
using testing::RecordingPrompter;
using testing::ScriptedFileNamePicker;
using testing::TempFolder;
using testing::Visible;

constexpr WindowRef kDialog = 0x913;
constexpr char kStartup[] = "C:\\起動 表";

ItemFields Fields(std::string_view title, std::string_view display = "1:ﾌｧｲﾙ名") {
  ItemFields fields;
  fields.present = true;
  fields.title = title;
  fields.output_mode = "4";
  fields.display_mode = display;
  fields.edit_mode = "1:text";
  fields.width = "80";
  return fields;
}

class ItemSetEditorTest : public ::testing::Test {
 protected:
  ItemSetEditorTest() {
    ClearTable(table);
    editor.Open();
  }
  void Select(int row) {
    for (int i = 0; i < list.RowCount(); ++i) list.SetRowState(i, 0, kMarkStates);
    list.SetRowState(row, kStateSelected, kStateSelected);
  }
  std::vector<std::string> Titles() const { return ColumnTexts(list, 1); }
  void ExpectBox(std::size_t index, std::string_view text, std::string_view title,
                 Buttons buttons = Buttons::kOk) {
    ASSERT_LT(index, prompter.shown.size());
    const Message& box = prompter.shown[index];
    EXPECT_EQ(box.owner, kDialog);
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.buttons, buttons);
    EXPECT_EQ(box.icon, Icon::kNone);
  }

  ScriptItemTable table;
  int shown_set = 0;
  InMemoryRowStore list;
  RecordingPrompter prompter;
  ScriptedFileNamePicker picker;
  ItemSetEditor editor{
      ItemSetEditorContext{table, shown_set, list, prompter, kDialog, kStartup, picker}};
};

TEST_F(ItemSetEditorTest, AddRewriteReadAndTheFiftyRowRefusal) {
  EXPECT_EQ(list.ColumnCount(), 13);
  editor.AddItem(Fields("名前"));
  editor.AddItem(Fields("日時", "3"));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"名前", "日時"}));
  EXPECT_EQ(table.sets[0].items[1].display_mode, 3);

  // Nothing selected: a box, nothing changed.
  EXPECT_EQ(editor.ReadItem(), std::nullopt);
  editor.RewriteItem(Fields("x"));
  editor.DeleteItem();
  EXPECT_FALSE(editor.MoveItem(ItemMove::kUp));
  ASSERT_EQ(prompter.shown.size(), 4u);
  ExpectBox(0, "項目を選択して下さい", "操作ミス！");
  ExpectBox(2, "項目を選択して下さい", "操作ミス！");
  ExpectBox(3, "項目を選択して下さい", "一行COPY");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"名前", "日時"}));

  // Rewriting slot 0 as absent shows "OFF"; the next fill of the list hides it and all after.
  Select(0);
  ItemFields off = Fields("消す");
  off.present = false;
  editor.RewriteItem(off);
  EXPECT_EQ(ColumnTexts(list, 0), (std::vector<std::string>{"OFF", "ON"}));
  Select(0);  // the rewritten row is a new row, not selected
  const auto read = editor.ReadItem();
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->title, "消す");
  EXPECT_FALSE(read->present);
  Select(1);
  EXPECT_TRUE(editor.MoveItem(ItemMove::kDown));  // the last row swaps with itself
  EXPECT_EQ(list.RowCount(), 0);

  Select(0);  // gone from the list: nothing is selected
  prompter.shown.clear();
  for (int i = 0; i < 50; ++i) editor.AddItem(Fields("i" + std::to_string(i)));
  EXPECT_EQ(list.RowCount(), 50);
  EXPECT_TRUE(prompter.shown.empty());
  editor.AddItem(Fields("51"));
  ExpectBox(0, "これ以上追加出来ません", "操作ミス！");
  EXPECT_EQ(list.RowCount(), 50);
}

TEST_F(ItemSetEditorTest, DeleteAndMoveKeepSlotsAndRowsTogether) {
  for (const char* title : {"a", "b", "c"}) editor.AddItem(Fields(title));
  Select(2);
  EXPECT_TRUE(editor.MoveItem(ItemMove::kUp));
  EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(list.NextSelectedRow(), 1);
  EXPECT_EQ(list.GetRowState(1, kStateFocused), kStateFocused);
  Select(0);
  EXPECT_TRUE(editor.MoveItem(ItemMove::kUp));  // the first row stays where it is
  EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "c", "b"}));
  EXPECT_EQ(list.NextSelectedRow(), 0);

  Select(1);
  editor.DeleteItem();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(table.sets[0].items[1].title, "b");
  EXPECT_TRUE(table.sets[0].items[2] == ScriptItem{});
  Select(0);
  editor.DeleteItem();
  Select(0);
  editor.DeleteItem();  // the only row
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(ItemCount(table.sets[0].items), 0);
}

TEST_F(ItemSetEditorTest, PagingStoresTheTypedHeaderAndWraps) {
  table.sets[19].present = 1;
  table.sets[19].title = "最後";
  table.sets[19].items[0] = ItemFromFields(Fields("z"));
  editor.ShowPreviousSet(SetHeader{true, "新しい名前"});
  EXPECT_EQ(shown_set, 19);
  EXPECT_EQ(editor.NumberText(), "No19");
  EXPECT_EQ(editor.Header().title, "最後");
  EXPECT_EQ(Titles(), (std::vector<std::string>{"z"}));
  EXPECT_EQ(table.sets[0].present, 1);
  EXPECT_EQ(table.sets[0].title, "新しい名前");

  editor.ShowNextSet(SetHeader{false, ""});
  EXPECT_EQ(shown_set, 0);
  EXPECT_EQ(table.sets[19].present, 0);
  EXPECT_EQ(table.sets[19].title, "");
  EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(ItemSetEditorTest, CopyPasteAndClearActOnlyOnYesThenNo) {
  table.sets[0].title = "印刷";
  table.sets[0].present = 1;
  editor.AddItem(Fields("a"));
  editor.AddItem(Fields("b"));
  editor.ShowNextSet(editor.Header());

  // Pasting before any copy clears the set.
  editor.AddItem(Fields("old"));
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.PasteSet());
  ExpectBox(0, "リスト全部貼付して良いですか。", "確認！", Buttons::kYesNo);
  ExpectBox(1, "やっぱり全部貼付やめますか。", "確認！", Buttons::kYesNo);
  EXPECT_EQ(list.RowCount(), 0);

  editor.ShowPreviousSet(editor.Header());
  editor.CopySet();
  editor.ShowNextSet(editor.Header());
  prompter.answers = {Answer::kYes, Answer::kYes};  // given up at the second question
  EXPECT_FALSE(editor.PasteSet());
  prompter.answers = {Answer::kNo};
  EXPECT_FALSE(editor.PasteSet());
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(prompter.shown.size(), 5u);
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.PasteSet());
  EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(table.sets[1].title, "");  // the set's own header is not pasted
  EXPECT_EQ(table.sets[1].present, 0);

  prompter.shown.clear();
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_TRUE(editor.ClearSet());
  ExpectBox(0, "リスト全部消して良いですか。", "確認！", Buttons::kYesNo);
  ExpectBox(1, "やっぱり全部削除やめますか。", "確認！", Buttons::kYesNo);
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(ItemCount(table.sets[1].items), 0);
  EXPECT_EQ(table.sets[0].items[1].title, "b");  // the copy came from set 0, which stays
}

TEST_F(ItemSetEditorTest, PartialScriptsSavedAndLoadedThroughTheFileDialog) {
  TempFolder folder;
  table.sets[0].title = "図面";
  editor.AddItem(Fields("a"));
  editor.AddItem(Fields("b"));
  table.sets[0].items[3] = ItemFromFields(Fields("after the gap"));

  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("図面.dat")};
  editor.SavePartialScript();
  ExpectBox(0, "部分スクリプトを保存しますか。", "確認！", Buttons::kYesNo);
  ExpectBox(1, "やっぱり保存やめますか。", "確認！", Buttons::kYesNo);
  ASSERT_EQ(picker.asked.size(), 1u);
  const FileDialogRequest& save = picker.asked[0];
  EXPECT_EQ(save.owner, kDialog);
  EXPECT_EQ(save.kind, FileDialogKind::kSave);
  EXPECT_EQ(save.title, "部分スクリプトのDatファイル保存");
  ASSERT_EQ(save.filters.size(), 1u);
  EXPECT_EQ(save.filters[0].description, "DatFile(*.dat)");
  EXPECT_EQ(save.filters[0].pattern, "*.dat");
  EXPECT_EQ(save.initial_name, "C:\\起動 表\\図面.dat");
  EXPECT_EQ(Visible(folder.Read("図面.dat")),
            Visible("0;a;4;1;1;80;;;;;;;\r\n1;b;4;1;1;80;;;;;;;\r\n"
                    "3;after the gap;4;1;1;80;;;;;;;\r\n"));
  EXPECT_EQ(table.last_partial_script_path, folder.File("図面.dat"));

  // Loaded into set 5: the rows up to the gap, and the title from the file's name.
  editor.ShowNextSet(editor.Header());
  for (int i = 0; i < 4; ++i) editor.ShowNextSet(editor.Header());
  editor.AddItem(Fields("replaced"));
  prompter.shown.clear();
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("図面.dat")};
  EXPECT_EQ(editor.LoadPartialScript(), "図面");
  EXPECT_EQ(picker.asked[1].kind, FileDialogKind::kOpen);
  EXPECT_EQ(picker.asked[1].title, "部分スクリプトのDatファイル読込");
  EXPECT_EQ(picker.asked[1].initial_name, "C:\\起動 表\\*.dat");
  EXPECT_EQ(picker.asked[1].filters.size(), 1u);
  EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(table.sets[5].items[3].title, "after the gap");
  EXPECT_EQ(table.sets[5].title, "");  // taken with the header, when it is next stored

  // A name that cannot be opened: a box, and the set keeps its items.
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("無い.dat")};
  EXPECT_EQ(editor.LoadPartialScript(), std::nullopt);
  ExpectBox(4, "ファイルの読込めませんでした。", "読込エラー！");
  EXPECT_EQ(table.last_partial_script_path, folder.File("無い.dat"));
  EXPECT_EQ(ItemCount(table.sets[5].items), 2);

  // A file that cannot be created; then a cancelled dialog, which says nothing.
  prompter.answers = {Answer::kYes, Answer::kNo};
  picker.answers = {folder.File("無い") + "/x.dat"};
  editor.SavePartialScript();
  ExpectBox(7, "ファイルの保存出来ませんでした。", "書込エラー！");
  prompter.answers = {Answer::kYes, Answer::kNo};
  EXPECT_EQ(editor.LoadPartialScript(), std::nullopt);
  EXPECT_EQ(prompter.shown.size(), 10u);
  EXPECT_EQ(table.last_partial_script_path, folder.File("無い") + "/x.dat");
  EXPECT_EQ(ItemCount(table.sets[5].items), 2);
}

}  // namespace
}  // namespace drawlot
