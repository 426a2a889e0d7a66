// The real message boxes: text, title, buttons, icon and owner reach MessageBoxA as asked,
// and the button pressed comes back. Each box is answered by the modal answerer, which reads it
// and presses a button, since an undismissed box would block forever.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "win/platform/message_box_prompter.h"
#include "win/support/modal_answerer.h"

namespace drawlot {
namespace {

struct SeenBox {
  std::string title;
  std::string text;
  HWND owner = nullptr;
  bool has_icon = false;
  int press = IDOK;  // the button the hook presses
};

// Reads the box, then presses the chosen button.
void AnswerBox(HWND box, SeenBox& seen) {
  seen.title = testing::WindowText(box);
  char text[256] = {};
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the static that holds the text
  seen.text = text;
  seen.owner = GetWindow(box, GW_OWNER);
  // The icon static is 0x14 on Windows and 0x440 under Wine; without an icon it holds none.
  for (int id : {0x0014, 0x0440}) {
    if (SendDlgItemMessageA(box, id, STM_GETICON, 0, 0) != 0) seen.has_icon = true;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(seen.press, BN_CLICKED), 0);
}

Answer ShowAnswered(const Message& message, SeenBox& seen) {
  testing::ModalAnswerer answerer("", [&seen](HWND box) { AnswerBox(box, seen); });
  MessageBoxPrompter prompter;
  return prompter.Show(message);
}

TEST(WindowsText, AnsiCodePageIs932) {
  EXPECT_EQ(GetACP(), 932u);
}

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
