// Adding drawings under Wine with real folders: the Win32 file system, AddMatchingFiles into
// the real list view, the folder walk, and the open dialog and folder browser answered from a
// timer inside their own loops.
#include <gtest/gtest.h>

#include "core/list/add_drawings.h"
#include "support/temp_folder.h"
#include "win/app/list_commands.h"
#include "win/list/adding_fixture.h"
#include "win/platform/win32_file_system.h"

namespace drawlot::testing {
namespace {

constexpr int kFileNameEdit = 0x480;   // edt1 of the explorer-style open dialog
constexpr int kFileNameCombo = 0x47c;  // cmb13, where the dialog has a combo instead
constexpr int kFilterCombo = 0x470;    // cmb1

class RealFoldersTest : public AddingFixture {
 protected:
  AddingContext Context() { return MainListContext(app); }
  TempFolder temp{"追加"};
};

TEST_F(RealFoldersTest, MatchingFilesKeepTheirStoredNamesAndLocalDates) {
  temp.MakeFolder("図面");
  const std::string folder = temp.File("図面");
  temp.Write("図面\\A.DWG", "x");
  temp.Write("図面\\b.dwg", "x");
  temp.Write("図面\\c.dxf", "x");
  ASSERT_TRUE(SetLocalWriteTime(folder + "\\A.DWG", 2024, 3, 5, 14, 7));
  ASSERT_TRUE(SetLocalWriteTime(folder + "\\b.dwg", 2019, 11, 30, 23, 59));
  AddingContext context = Context();
  EXPECT_EQ(AddMatchingFiles(context, folder, DrawingKind::kDwg, 0), 2);
  EXPECT_EQ(Column(0), (Texts{"A.DWG", "b.dwg"}));
  EXPECT_EQ(Column(1), (Texts{folder, folder}));
  EXPECT_EQ(Column(2), (Texts{"2024/03/05 14:07", "2019/11/30 23:59"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDwg}));
  EXPECT_EQ(AddMatchingFiles(context, folder, DrawingKind::kDxf, 1), 2);
  EXPECT_EQ(Column(0), (Texts{"A.DWG", "c.dxf", "b.dwg"}));
  EXPECT_EQ(AddMatchingFiles(context, temp.File("none"), DrawingKind::kDxf, 0), 0);
}

TEST_F(RealFoldersTest, ListingReportsAttributesOfFolders) {
  temp.MakeFolder("plain");
  temp.MakeFolder("hidden");
  temp.MakeFolder(".svn");
  ASSERT_TRUE(SetFileAttributesA(temp.File("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
  Win32FileSystem files;
  unsigned plain = 0;
  unsigned hidden = 0;
  for (const DirectoryEntry& entry : files.List(temp.path() + "\\*")) {
    if (entry.name == "plain") plain = entry.attributes;
    if (entry.name == "hidden") hidden = entry.attributes;
  }
  EXPECT_EQ(plain, kAttributeDirectory);
  EXPECT_EQ(hidden, kAttributeDirectory | kAttributeHidden);
  EXPECT_TRUE(files.List(temp.path() + "\\" + std::string(260, 'x')).empty());
}

TEST_F(RealFoldersTest, TreeWalksPlainFoldersBreadthFirst) {
  temp.Write("top.dwg", "x");
  temp.MakeFolder("a");
  temp.MakeFolder("a\\deep");
  temp.Write("a\\deep\\deep.dwg", "x");
  temp.MakeFolder("b");
  temp.Write("b\\b.dwg", "x");
  temp.MakeFolder("c");
  temp.Write("c\\c.dwg", "x");
  temp.MakeFolder(".git");
  temp.Write(".git\\dot.dwg", "x");
  ASSERT_TRUE(SetFileAttributesA(temp.File("c").c_str(), FILE_ATTRIBUTE_HIDDEN));
  class Browser : public FolderBrowser {
   public:
    explicit Browser(std::string answer) : answer_(std::move(answer)) {}
    std::string ChooseFolder(std::string_view, std::string_view) override { return answer_; }

   private:
    std::string answer_;
  } browser(temp.path());
  app.pickers.folders = &browser;
  AddFolderTreeDrawingsCommand(app, DrawingKind::kDwg);
  // Wine lists names in alphabetical order; a is empty of drawings, its deep folder comes last.
  EXPECT_EQ(Column(0), (Texts{"top.dwg", "b.dwg", "deep.dwg"}));
  EXPECT_EQ(Column(1), (Texts{temp.path(), temp.File("b"), temp.File("a\\deep")}));
  EXPECT_EQ(app.settings.file_folder.view(), temp.path());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RealFoldersTest, OpenDialogAddsTheTypedFilesFromTheLastFolder) {
  temp.Write("a.dwg", "x");
  temp.Write("b.DXF", "x");
  app.settings.file_folder = temp.path();
  std::string title;
  std::string first_filter;
  ModalAnswerer answerer("", [&](HWND dialog) {
    title = WindowText(dialog);
    char filter[64] = {};
    SendDlgItemMessageA(dialog, kFilterCombo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
    first_filter = filter;
    const char* typed = "\"a.dwg\" \"b.DXF\" \"gone.dwg\"";
    if (!SetDlgItemTextA(dialog, kFileNameEdit, typed)) {
      SetDlgItemTextA(dialog, kFileNameCombo, typed);
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  AddDrawingFilesCommand(app, DrawingKind::kDxf);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(title, "ファイル読み出し");
  EXPECT_EQ(first_filter, "DxfFile(*.dxf)");
  EXPECT_EQ(Column(0), (Texts{"a.dwg", "b.DXF"}));
  EXPECT_EQ(Column(1), (Texts{temp.path(), temp.path()}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDxf}));
  EXPECT_EQ(Boxes(), (Texts{"読込出来ません！ / ファイル追加操作"}));
  EXPECT_EQ(app.settings.file_folder.view(), temp.path());
}

TEST_F(RealFoldersTest, MoreFilesThanTheDialogsBufferHoldsAreReportedWithItsError) {
  app.settings.file_folder = temp.path();
  std::string typed;
  for (int i = 0; i < 12; ++i) {  // 12 names of 100 bytes: more than the 1040-byte buffer
    const std::string name = std::to_string(i) + std::string(94, 'n') + ".dwg";
    temp.Write(name, "x");
    typed += "\"" + name + "\" ";
  }
  ModalAnswerer answerer("", [&](HWND dialog) {
    if (!SetDlgItemTextA(dialog, kFileNameEdit, typed.c_str())) {
      SetDlgItemTextA(dialog, kFileNameCombo, typed.c_str());
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  AddDrawingFilesCommand(app, DrawingKind::kDwg);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(app.rows->RowCount(), 0);
  EXPECT_EQ(Boxes(),
            (Texts{"選択したファイルが多すぎて読込出来ません！\n"
                   "一度に選ぶファイルを減らして下さい。（エラー 3003） / ファイル追加操作"}));
}

TEST_F(RealFoldersTest, CancelledOpenDialogChangesNothing) {
  app.settings.file_folder = temp.path();
  ModalAnswerer answerer("ファイル読み出し", [](HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  AddDrawingFilesCommand(app, DrawingKind::kDwg);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(app.rows->RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
}

// Finds a static child holding `text`.
struct StaticSearch {
  std::string text;
  bool found = false;
};
BOOL CALLBACK FindStatic(HWND child, LPARAM search) {
  auto* wanted = reinterpret_cast<StaticSearch*>(search);
  if (WindowText(child) == wanted->text) wanted->found = true;
  return !wanted->found;
}

TEST_F(RealFoldersTest, FolderBrowserOpensAtTheLastFolderAndOkAddsIt) {
  temp.Write("one.dwg", "x");
  temp.Write("two.dxf", "x");
  app.settings.file_folder = temp.path();
  StaticSearch title{"  dxfファイルのフォルダを選択  "};
  HWND owner = reinterpret_cast<HWND>(1);
  auto preselected = [](HWND browser) { return SelectedTreeText(browser) == "追加"; };
  // On a loaded machine Wine's browser now and then shows with nothing selected and never
  // takes the preselection; such a showing is cancelled (which changes nothing) and the
  // command is given again.
  bool started_at_last_folder = false;
  for (int attempt = 0; attempt < 3 && !started_at_last_folder; ++attempt) {
    ModalAnswerer answerer(
        "",
        [&](HWND browser) {
          started_at_last_folder = preselected(browser);
          EnumChildWindows(browser, FindStatic, reinterpret_cast<LPARAM>(&title));
          owner = GetWindow(browser, GW_OWNER);
          const int button = started_at_last_folder ? IDOK : IDCANCEL;
          PostMessageA(browser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        },
        preselected);
    AddFolderDrawingsCommand(app, DrawingKind::kDxf);
    ASSERT_TRUE(answerer.answered());
  }
  ASSERT_TRUE(started_at_last_folder);
  EXPECT_TRUE(title.found);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(Column(0), (Texts{"two.dxf"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDxf}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(RealFoldersTest, FolderBrowserOnAFolderWithoutDrawingsWarns) {
  app.settings.file_folder = temp.path();
  ModalAnswerer answerer(
      "", [](HWND browser) { PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); });
  AddFolderDrawingsCommand(app, DrawingKind::kDwg);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(Boxes(), (Texts{"読込出来ません！ / file追加"}));
  EXPECT_EQ(prompter.shown[0].owner, reinterpret_cast<WindowRef>(app.main_window));
}

TEST_F(RealFoldersTest, CancelledFolderBrowserChangesNothing) {
  app.settings.file_folder = temp.path();
  ModalAnswerer answerer(
      "",
      [](HWND browser) { PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); },
      [](HWND browser) { return SelectedTreeText(browser) == "追加"; });
  AddFolderTreeDrawingsCommand(app, DrawingKind::kDwg);
  // Whether the browser was cancelled or failed by itself (it sometimes does under a loaded
  // Wine), nothing may change.

  EXPECT_EQ(app.rows->RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(app.settings.file_folder.view(), temp.path());
}

}  // namespace
}  // namespace drawlot::testing
