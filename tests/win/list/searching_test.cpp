// The search dialog, the list search and the disk search under Wine. The disk search goes
// through a FileSystem whose fixed drives are small folders of the test: Z: is all of / here.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "support/temp_folder.h"
#include "win/app/list_commands.h"
#include "win/list/adding_fixture.h"
#include "win/list/search_dialog.h"
#include "win/platform/win32_file_system.h"
#include "win/support/test_dialog_context.h"

namespace drawlot::testing {
namespace {

constexpr char kSearchTitle[] = "図面ファイルの検索";

Texts ComboTexts(HWND dialog) {
  Texts texts;
  const int count =
      static_cast<int>(SendDlgItemMessageA(dialog, IDC_SEARCH_TEXT, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[260] = {};
    SendDlgItemMessageA(dialog, IDC_SEARCH_TEXT, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

std::string EditText(HWND dialog) {
  char text[260] = {};
  GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text, sizeof text);
  return text;
}

// Types `text` and presses "検索".
std::function<void(HWND)> Typing(std::string text) {
  return [text](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text.c_str());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_START, BN_CLICKED), 0);
  };
}

std::function<void(HWND)> Closing() {
  return [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); };
}

TEST(SearchDialog, OffersTheHistoryAndStoresTheTypedText) {
  SearchState state;
  AcceptSearchText(state, "A1");
  AcceptSearchText(state, "図面B");
  Texts offered;
  std::string preset;
  bool bare_style = false;
  {
    ModalAnswerer answerer(kSearchTitle, [&](HWND dialog) {
      offered = ComboTexts(dialog);
      preset = EditText(dialog);
      const LONG_PTR style = GetWindowLongPtrA(dialog, GWL_STYLE);
      bare_style = (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) != 0;
      Typing("plan")(dialog);
    });
    EXPECT_TRUE(RunSearchDialog(TestDialogContext().context(), state));
    ASSERT_TRUE(answerer.answered());
  }
  EXPECT_EQ(offered, (Texts{"図面B", "A1"}));
  EXPECT_EQ(preset, "図面B");
  EXPECT_TRUE(bare_style);
  EXPECT_EQ(state.text.view(), "plan");
  EXPECT_EQ(OfferedSearchTexts(state), (Texts{"plan", "図面B", "A1"}));
}

TEST(SearchDialog, CloseBoxLeavesTheTextAsItWas) {
  SearchState state;
  AcceptSearchText(state, "old");
  ModalAnswerer answerer(kSearchTitle, Closing());
  EXPECT_FALSE(RunSearchDialog(TestDialogContext().context(), state));
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(state.text.view(), "old");
  EXPECT_EQ(OfferedSearchTexts(state), (Texts{"old"}));
}

class SearchingTest : public AddingFixture {
 protected:
  void AddRow(const char* name) {
    InsertDrawingRow(*app.rows, app.current_items(), app.tags,
                     NewDrawing{name, "c:\\d", "", IconOfFileName(name)}, app.rows->RowCount());
  }
  // Selected and drop-highlighted; the focus is one row's only, the last marked.
  std::vector<int> Marked() {
    constexpr unsigned kKept = kStateSelected | kStateDropHighlighted;
    std::vector<int> rows;
    for (int row = 0; row < app.rows->RowCount(); ++row) {
      if (app.rows->GetRowState(row, kKept) == kKept) rows.push_back(row);
    }
    return rows;
  }
};

TEST_F(SearchingTest, ListSearchMarksTheRowsHoldingTheText) {
  AddRow("plan1.dwg");
  AddRow("x.dwg");
  AddRow("myplan.dxf");
  AddRow("PLAN.dwg");
  ModalAnswerer answerer(kSearchTitle, Typing("plan"));
  SearchInListCommand(app);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(Marked(), (std::vector<int>{0, 2}));
}

TEST_F(SearchingTest, ListSearchClosedFromTheCloseBoxUsesThePreviousText) {
  AddRow("a.dwg");
  AddRow("b.dwg");
  AcceptSearchText(sources.search, "b.");
  ModalAnswerer answerer(kSearchTitle, Closing());
  SearchInListCommand(app);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(Marked(), (std::vector<int>{1}));
}

// Two small folders stand in for the fixed drives C: and Z:; the other letters are no drives.
class TwoFolderDisks : public Win32FileSystem {
 public:
  TwoFolderDisks(std::string c_root, std::string z_root)
      : c_root_(std::move(c_root)), z_root_(std::move(z_root)) {}
  DriveType TypeOfDrive(char letter) const override {
    return letter == 'c' || letter == 'z' ? DriveType::kFixed : DriveType::kNoRootDirectory;
  }
  std::optional<std::string> SearchTree(std::string_view root,
                                        std::string_view name) const override {
    searched.emplace_back(root);
    searching_window_seen = searching_window_seen || SearchingWindowShown();
    const std::string& folder = root == "c:\\" ? c_root_ : z_root_;
    return Win32FileSystem::SearchTree(folder + "\\", name);
  }

  mutable Texts searched;
  mutable bool searching_window_seen = false;

 private:
  static BOOL CALLBACK FindNotice(HWND window, LPARAM seen) {
    char text[64] = {};
    GetDlgItemTextA(window, IDC_SEARCHING_TITLE, text, sizeof text);
    if (IsWindowVisible(window) && std::string(text) == "ファイル検索中") {
      *reinterpret_cast<bool*>(seen) = true;
    }
    return TRUE;
  }
  static bool SearchingWindowShown() {
    bool seen = false;
    EnumThreadWindows(GetCurrentThreadId(), FindNotice, reinterpret_cast<LPARAM>(&seen));
    return seen;
  }
  std::string c_root_;
  std::string z_root_;
};

class DiskSearchTest : public SearchingTest {
 protected:
  DiskSearchTest() {
    temp.MakeFolder("c");
    temp.Write("c\\other.dwg", "x");
    temp.MakeFolder("z");
    temp.MakeFolder("z\\図面");
    temp.MakeFolder("z\\図面\\表");
    temp.Write("z\\図面\\表\\Target.DXF", "x");
    sources.files = &disks;
  }
  TempFolder temp{"検索"};
  TwoFolderDisks disks{temp.File("c"), temp.File("z")};
};

TEST_F(DiskSearchTest, FoundFileIsAppendedBehindTheSearchingWindow) {
  AddRow("first.dwg");
  app.settings.file_folder = "c:\\last";
  ModalAnswerer answerer(kSearchTitle, Typing("target.dxf"));
  SearchOnDisks(app);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(disks.searched, (Texts{"c:\\", "z:\\"}));
  EXPECT_TRUE(disks.searching_window_seen);
  EXPECT_EQ(Column(0), (Texts{"first.dwg", "Target.DXF"}));
  EXPECT_EQ(Column(1), (Texts{"c:\\d", temp.File("z\\図面\\表")}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDxf}));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(app.settings.file_folder.view(), "c:\\last");
}

TEST_F(DiskSearchTest, FirstFixedDriveWithTheFileWins) {
  temp.Write("z\\other.dwg", "x");
  ModalAnswerer answerer(kSearchTitle, Typing("other.dwg"));
  SearchOnDisks(app);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(disks.searched, (Texts{"c:\\"}));
  EXPECT_EQ(Column(1), (Texts{temp.File("c")}));
}

TEST_F(DiskSearchTest, NothingFoundIsReportedAndTheNoticeCloses) {
  ModalAnswerer answerer(kSearchTitle, Typing("nowhere.dwg"));
  SearchOnDisks(app);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(Boxes(), (Texts{"ＨＤＤ内にありませんでした。 / ファイル検索"}));
  EXPECT_EQ(app.rows->RowCount(), 0);
  disks.searching_window_seen = false;
  disks.SearchTree("c:\\", "probe");  // looks for the notice once more
  EXPECT_FALSE(disks.searching_window_seen);
}

TEST_F(DiskSearchTest, EmptyTextOrCloseBoxSearchesNothing) {
  AcceptSearchText(sources.search, "other.dwg");  // an earlier text is not searched again
  {
    ModalAnswerer answerer(kSearchTitle, Closing());
    SearchOnDisks(app);
    ASSERT_TRUE(answerer.answered());
  }
  {
    ModalAnswerer answerer(kSearchTitle, Typing(""));
    SearchOnDisks(app);
    ASSERT_TRUE(answerer.answered());
  }
  EXPECT_TRUE(disks.searched.empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST(Win32FileSystem, TreeSearchFindsAFileBelowARoot) {
  TempFolder temp{"tree"};
  temp.MakeFolder("a");
  temp.MakeFolder("a\\b");
  temp.Write("a\\b\\deep.dwg", "x");
  Win32FileSystem files;
  EXPECT_EQ(files.SearchTree(temp.path() + "\\", "DEEP.DWG").value_or("").size(),
            temp.File("a\\b\\deep.dwg").size());
  EXPECT_EQ(files.SearchTree(temp.path() + "\\", "none.dwg"), std::nullopt);
  EXPECT_EQ(files.TypeOfDrive('c'), DriveType::kFixed);
  EXPECT_EQ(files.TypeOfDrive('q'), DriveType::kNoRootDirectory);
}

}  // namespace
}  // namespace drawlot::testing
