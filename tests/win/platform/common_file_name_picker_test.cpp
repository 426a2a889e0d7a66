// The real save and open dialogs, answered from inside their modal loops by a thread timer
// that reads what the dialog shows, types a name and presses OK (or Cancel).
#include "win/platform/common_file_name_picker.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/script/script_files.h"
#include "support/temp_folder.h"
#include "win/support/file_dialog_answerer.h"

namespace drawlot::testing {
namespace {

class CommonFileNamePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  std::optional<std::string> Pick(const FileDialogRequest& request, DialogAnswer& answer) {
    const FileDialogAnswerer answerer(answer);
    return picker_.PickFileName(request);
  }
  WindowRef Owner() const { return reinterpret_cast<WindowRef>(owner_); }

  TempFolder startup_{"起動 表"};
  TempFolder chosen_{"選ぶ"};
  CommonFileNamePicker picker_;
  HWND owner_ = nullptr;
};

TEST_F(CommonFileNamePickerTest, ScriptSaveDialogShowsItsTitleTypesAndStartupPattern) {
  DialogAnswer answer;
  answer.type_name = chosen_.File("run.txt");
  const auto chosen = Pick(ScriptFileDialog(Owner(), startup_.path()), answer);
  ASSERT_TRUE(answer.seen);
  EXPECT_EQ(answer.title, "ファイル書込");
  EXPECT_EQ(answer.first_type, "ScrFile(*.scr)");
  EXPECT_EQ(answer.second_type, "AllFile(*.*)");
  EXPECT_EQ(answer.chosen_type, 0);
  EXPECT_EQ(answer.owner, owner_);
  // The preset "<start-up folder>\*.scr" opens the dialog in that folder, showing the pattern.
  EXPECT_EQ(answer.folder, startup_.path());
  EXPECT_EQ(answer.name_field, "*.scr");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, chosen_.File("run.txt"));  // forcing .scr is the caller's part
}

TEST_F(CommonFileNamePickerTest, ListLoadDialogReturnsTheChosenExistingFile) {
  chosen_.Write("saved.ini", "max_cont=0\r\n");
  DialogAnswer answer;
  answer.type_name = chosen_.File("saved.ini");
  const auto chosen = Pick(ListFileDialog(Owner(), FileDialogKind::kOpen, startup_.path()), answer);
  ASSERT_TRUE(answer.seen);
  EXPECT_EQ(answer.title, "ファイル読込");
  EXPECT_EQ(answer.first_type, "IniFile(*.ini)");
  EXPECT_EQ(answer.second_type, "AllFile(*.*)");
  EXPECT_EQ(answer.folder, startup_.path());
  EXPECT_EQ(answer.name_field, "*.ini");
  EXPECT_EQ(chosen, chosen_.File("saved.ini"));
}

TEST_F(CommonFileNamePickerTest, CancelGivesNothing) {
  DialogAnswer answer;
  answer.cancel = true;
  EXPECT_FALSE(Pick(ListFileDialog(Owner(), FileDialogKind::kSave, startup_.path()), answer));
  ASSERT_TRUE(answer.seen);
  EXPECT_EQ(answer.title, "ファイル書込");
}

TEST_F(CommonFileNamePickerTest, CurrentDirectoryIsTheSameAfterTheDialog) {
  char before[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof before, before);
  DialogAnswer answer;
  answer.type_name = chosen_.File("list");
  const auto chosen = Pick(ListFileDialog(Owner(), FileDialogKind::kSave, startup_.path()), answer);
  EXPECT_EQ(chosen, chosen_.File("list"));
  char after[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof after, after);
  EXPECT_STREQ(after, before);
}

}  // namespace
}  // namespace drawlot::testing
