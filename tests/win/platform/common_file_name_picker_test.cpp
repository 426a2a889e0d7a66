// The real save and open dialogs, answered from inside their modal loops by a thread timer
// that reads what the dialog shows, types a name and presses OK (or Cancel).
#include "win/platform/common_file_name_picker.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "core/script/script_files.h"
#include "support/temp_folder.h"

namespace drawlot::testing {
namespace {

struct DialogAnswer {
  std::string type_name;  // typed into the name field before OK
  bool cancel = false;
  // What the dialog showed.
  bool seen = false;
  std::string title;
  std::string name_field;
  std::string folder;
  std::string first_type;
  std::string second_type;
  LRESULT chosen_type = -1;
  HWND owner = nullptr;
};

DialogAnswer* g_answer = nullptr;  // timer procedures have no parameter of their own

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

std::string TypeText(HWND types, int index) {
  char text[128] = {};
  SendMessageA(types, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !g_answer) return;
  KillTimer(nullptr, timer);
  DialogAnswer& answer = *g_answer;
  answer.seen = true;
  char text[300] = {};
  GetWindowTextA(dialog, text, sizeof text);
  answer.title = text;
  // The name field is a combo box (cmb13) in newer templates and an edit box (edt1) in older.
  HWND name = GetDlgItem(dialog, cmb13);
  if (!name) name = GetDlgItem(dialog, edt1);
  GetWindowTextA(name, text, sizeof text);
  answer.name_field = text;
  char folder[MAX_PATH + 1] = {};
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
  answer.folder = folder;
  const HWND types = GetDlgItem(dialog, cmb1);
  answer.first_type = TypeText(types, 0);
  answer.second_type = TypeText(types, 1);
  answer.chosen_type = SendMessageA(types, CB_GETCURSEL, 0, 0);
  answer.owner = GetWindow(dialog, GW_OWNER);
  if (answer.cancel) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  SetWindowTextA(name, answer.type_name.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

class CommonFileNamePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  std::optional<std::string> Pick(const FileDialogRequest& request, DialogAnswer& answer) {
    g_answer = &answer;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerDialog);
    const auto chosen = picker_.PickFileName(request);
    KillTimer(nullptr, timer);
    g_answer = nullptr;
    return chosen;
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
