// The program's resources as the ANSI APIs read them: the menu bar with every item, id and
// separator, the icons and the toolbar strip.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace drawlot {
namespace {

// One menu entry as "id:caption", "-" for a separator, "[caption]" for a submenu.
std::vector<std::string> Entries(HMENU menu) {
  std::vector<std::string> entries;
  for (int index = 0, count = GetMenuItemCount(menu); index < count; ++index) {
    char caption[128] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = caption;
    info.cch = sizeof caption;
    EXPECT_TRUE(GetMenuItemInfoA(menu, index, TRUE, &info));
    if (info.fType & MFT_SEPARATOR) {
      entries.push_back("-");
    } else if (info.hSubMenu) {
      entries.push_back("[" + std::string(caption) + "]");
    } else {
      entries.push_back(std::to_string(info.wID) + ":" + caption);
    }
  }
  return entries;
}

using Texts = std::vector<std::string>;

class MainMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    menu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(menu_, nullptr);
  }
  void TearDown() override { DestroyMenu(menu_); }
  Texts Popup(int index) { return Entries(GetSubMenu(menu_, index)); }

  HMENU menu_ = nullptr;
};

TEST_F(MainMenu, BarHoldsSevenMenusAndTheQuitItem) {
  EXPECT_EQ(Entries(menu_),
            (Texts{"[ファイル選択(&F)]", "[検索(&C)]", "[編集(&E)]", "[スタート(&P)]",
                   "[List読書(&H)]", "[環境設定(&S)]", "[ﾍﾙﾌﾟ(&H)]", "27:終了(&X)"}));
}

TEST_F(MainMenu, FileSelection) {
  EXPECT_EQ(
      Popup(0),
      (Texts{"37844:DWG１ファイル(&A)", "37845:DXF１ファイル(&P)", "-", "37827:DWGフォルダ(&W)",
             "37829:DXFフォルダ(&X)", "-", "37838:DWGサブフォルダ(&G)", "37837:DXFサブフォルダ(&F)",
             "-", "37842:フォルダ選択(&S)", "-", "32:選択削除(&D)", "34:オール削除(&C)"}));
}

TEST_F(MainMenu, SearchAndEdit) {
  EXPECT_EQ(Popup(1), (Texts{"37857:ﾘｽﾄ内検索(&L)", "37836:ｵｰﾙ選択(&A)",
                             "37828:選択オールクリア(&C)", "-", "37839:HDD内検索(&H)"}));
  EXPECT_EQ(Popup(2), (Texts{"37833:１行編集(&E)", "37841:１行COPY(&C)", "37840:１行PASTE(&P)",
                             "37834:１列編集(&I)", "-", "37847:ファイル名で変換を実行(&F)",
                             "37848:ファイル名で変換の設定(&S)", "-", "38100:元に戻す(&U)", "-",
                             "38101:前回の印刷後に変更された図面を選択(&R)", "-",
                             "38200:プレビュー"}));
}

TEST_F(MainMenu, StartAndListFiles) {
  EXPECT_EQ(Popup(3),
            (Texts{"37832:全スクリプト実行(&A)", "37830:選択スクリプト実行(&C)", "-",
                   "37846:毎行起動型S実行(１処理)(&W)", "37851:毎行起動型S実行(タイマ)(&L)"}));
  EXPECT_EQ(Popup(4),
            (Texts{"37849:書込(&S)", "37850:読込(&I)", "-", "37852:ｵｰﾙﾘｽﾄ　ｽｸﾘｸﾄﾌｧｲﾙ作成(&A)",
                   "37853:選択ﾘｽﾄ ｽｸﾘｸﾄﾌｧｲﾙ作成(&S)"}));
}

TEST_F(MainMenu, TheGapInTheScriptFileItemIsOneIdeographicSpace) {
  // The full-width blank (CP932 81 40) between the half-width katakana words, not an ASCII one.
  const std::string caption = Popup(4)[3];
  EXPECT_NE(caption.find("ﾄ　ｽ"), std::string::npos);
  EXPECT_EQ(caption.find("ﾄ ｽ"), std::string::npos);
}

TEST_F(MainMenu, SettingsAndHelp) {
  EXPECT_EQ(Popup(5), (Texts{"37826:初期設定(&I)", "37831:プリンタと用紙の列挙(&P)", "-",
                             "37843:スクリプト設定(&S)", "41:環境設定(&T)", "38000:実行の設定(&U)",
                             "-", "37835:実行ｽｸﾘﾌﾟﾄ(&C)", "38001:実行記録を開く(&L)"}));
  EXPECT_EQ(Popup(6),
            (Texts{"51:ﾍﾙﾌﾟ(&W)", "52:Harrowbyのホームページ(&H)", "53:このソフトについて(&S)"}));
}

TEST(Resources, ToolbarStripIsSeventeenPicturesOf32) {
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(strip, nullptr);
  BITMAP info{};
  ASSERT_NE(GetObjectA(strip, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 17 * 32);
  EXPECT_EQ(info.bmHeight, 32);
  DeleteObject(strip);
}

TEST(Resources, IconsLoadAtTheirSizes) {
  const HINSTANCE self = GetModuleHandleA(nullptr);
  for (const auto& [id, size] : {std::pair{IDI_DRAWLOT, 32}, std::pair{IDI_DRAWLOT_SMALL, 16},
                                 std::pair{IDI_DXF_ROW, 12}, std::pair{IDI_DWG_ROW, 12}}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    EXPECT_NE(icon, nullptr) << id;
    if (icon) DestroyIcon(icon);
  }
}

TEST(Resources, VersionIs156) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &unused);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 1);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 56);
}

}  // namespace
}  // namespace drawlot
