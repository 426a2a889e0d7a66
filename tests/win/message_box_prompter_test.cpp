// The real message boxes: text, title, buttons, icon and owner reach MessageBoxA as asked,
// and the button pressed comes back. Each box is answered by a thread timer that reads it and
// presses a button, since an undismissed box would block forever.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win/platform/message_box_prompter.h"

namespace drawlot {
namespace {

struct SeenBox {
  std::string title;
  std::string text;
  HWND owner = nullptr;
  bool has_icon = false;
  int press = IDOK;  // the button the hook presses
};

SeenBox* g_box = nullptr;  // timer procedures have no parameter of their own

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs inside the box's own modal loop: reads the box, then presses the chosen button.
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&box));
  if (!box || !g_box) return;
  KillTimer(nullptr, timer);
  char buffer[256] = {};
  GetWindowTextA(box, buffer, sizeof buffer);
  g_box->title = buffer;
  GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);  // the static that holds the text
  g_box->text = buffer;
  g_box->owner = GetWindow(box, GW_OWNER);
  // The icon static is 0x14 on Windows and 0x440 under Wine; without an icon it holds none.
  for (int id : {0x0014, 0x0440}) {
    if (SendDlgItemMessageA(box, id, STM_GETICON, 0, 0) != 0) g_box->has_icon = true;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(g_box->press, BN_CLICKED), 0);
}

Answer ShowAnswered(const Message& message, SeenBox& seen) {
  g_box = &seen;
  SetTimer(nullptr, 0, 20, AnswerBox);
  MessageBoxPrompter prompter;
  const Answer answer = prompter.Show(message);
  g_box = nullptr;
  return answer;
}

TEST(WindowsText, AnsiCodePageIs932) { EXPECT_EQ(GetACP(), 932u); }

TEST(MessageBoxPrompter, ShowsTheTextsAndReturnsTheButtonPressed) {
  SeenBox seen;
  Message warning{0, "保存出来ません", "ﾌｧｲﾙｴﾗｰ", Buttons::kOk, Icon::kWarning};
  EXPECT_EQ(ShowAnswered(warning, seen), Answer::kOk);
  EXPECT_EQ(seen.title, "ﾌｧｲﾙｴﾗｰ");
  EXPECT_EQ(seen.text, "保存出来ません");
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_TRUE(seen.has_icon);

  SeenBox question;
  question.press = IDNO;
  Message ask{0, "全部削除しますか。", "確認", Buttons::kYesNo, Icon::kQuestion};
  EXPECT_EQ(ShowAnswered(ask, question), Answer::kNo);
  EXPECT_EQ(question.text, "全部削除しますか。");
}

TEST(MessageBoxPrompter, OwnedByTheWindowGiven) {
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  SeenBox seen;
  Message plain{reinterpret_cast<WindowRef>(owner), "text", "title", Buttons::kOk, Icon::kNone};
  ShowAnswered(plain, seen);
  EXPECT_EQ(seen.owner, owner);
  EXPECT_FALSE(seen.has_icon);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace drawlot
