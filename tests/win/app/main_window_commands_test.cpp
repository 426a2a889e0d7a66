// The loaded main window's notifications and commands: sorting by the header, marking rows,
// the menu and toolbar commands, the adding commands with their kinds, and the end of the
// window by its quit command, with the list saved or, when it cannot be, left as it was.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "win/app/main_window_fixture.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

TEST_F(LoadedWindowTest, AClickOnTheFirstHeaderSortsDescendingThroughTheControl) {
  const HWND header =
      reinterpret_cast<HWND>(SendMessageA(Child(IDC_DRAWING_LIST), LVM_GETHEADER, 0, 0));
  RECT item{};
  ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
  ShowWindow(window_, SW_SHOWNOACTIVATE);  // the header takes clicks only when visible
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(header, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(FirstCells(), (Texts{"c.dwg", "b.dwg", "A.dwg"}));
  SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(header, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(FirstCells(), (Texts{"A.dwg", "b.dwg", "c.dwg"}));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(LoadedWindowTest, LeftClickMarksTheSelectedRowsAndUnmarksTheRest) {
  // As after a control-click on row 2: rows 0 and 2 selected, row 2 focused; row 1 was
  // marked before and is no longer selected.
  Select(0);
  app_.rows->SetRowState(1, kStateDropHighlighted, kStateDropHighlighted);
  app_.rows->SetRowState(2, kStateSelected | kStateFocused, kStateSelected | kStateFocused);
  NMITEMACTIVATE click{};
  click.hdr.code = NM_CLICK;
  click.iItem = 2;
  NotifyFromList(click.hdr);
  const unsigned selected_and_dropped = kStateSelected | kStateDropHighlighted;
  EXPECT_EQ(app_.rows->GetRowState(0, selected_and_dropped), selected_and_dropped);
  EXPECT_EQ(app_.rows->GetRowState(1, kMarkStates), 0u);
  EXPECT_EQ(app_.rows->GetRowState(2, kMarkStates), kMarkStates);  // the focus ends here
}

TEST_F(LoadedWindowTest, RightClickRecordsTheColumn) {
  NMITEMACTIVATE click{};
  click.hdr.code = NM_RCLICK;
  click.iItem = 1;
  click.iSubItem = 2;
  NotifyFromList(click.hdr);
  EXPECT_EQ(app_.edit_column, 2);
}

TEST_F(LoadedWindowTest, MenuDeleteSelectedWarnsWhenNothingIsSelected) {
  Command(IDM_DELETE_SELECTED);
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(Main(), "ファイルが選択していません", "選択ミス", Icon::kWarning)}));
  EXPECT_EQ(app_.rows->RowCount(), 3);
}

TEST_F(LoadedWindowTest, ToolbarDeleteRemovesEveryRowWhenNoneIsSelected) {
  Command(IDT_DELETE_ROWS);
  EXPECT_EQ(app_.rows->RowCount(), 0);
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(LoadedWindowTest, ToolbarDeleteRemovesOnlyTheSelectedRows) {
  Select(1);
  Command(IDT_DELETE_ROWS);
  EXPECT_EQ(FirstCells(), (Texts{"b.dwg", "c.dwg"}));
}

TEST_F(LoadedWindowTest, MarkAllAndClearMarks) {
  Command(IDM_MARK_ALL);
  EXPECT_EQ(app_.rows->SelectedCount(), 3);
  Command(IDM_CLEAR_MARKS);
  EXPECT_EQ(app_.rows->SelectedCount(), 0);
}

TEST_F(LoadedWindowTest, MoveDownTakesTheSelectedRowOnePlaceDown) {
  Select(0);
  Command(IDT_MOVE_DOWN);
  EXPECT_EQ(FirstCells(), (Texts{"A.dwg", "b.dwg", "c.dwg"}));
  Command(IDT_MOVE_UP);
  EXPECT_EQ(FirstCells(), (Texts{"b.dwg", "A.dwg", "c.dwg"}));
}

TEST_F(LoadedWindowTest, CopyWithoutASelectedRowSaysSo) {
  Command(IDT_COPY_ROW);
  EXPECT_EQ(prompter_.shown, (Boxes{Box(Main(), "項目を選択して下さい", "一行COPY", Icon::kNone)}));
}

TEST_F(LoadedWindowTest, ScriptSettingsAreRefusedWhileTheListHasRows) {
  Command(IDM_SCRIPT_SETTINGS);
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Box(Main(), "リストを全部削除してから実行して下さい。", "残念！", Icon::kNone)}));
}

TEST_F(LoadedWindowTest, ScriptSettingsOnAnEmptyListFollowTheCurrentSet) {
  Command(IDM_DELETE_ALL);
  std::string offered;
  ModalAnswerer answerer("スクリプト設定", [&](HWND dialog) {
    offered = WindowText(GetDlgItem(dialog, IDC_SCRIPT_SET_CHOICE));
    SetDlgItemTextA(dialog, IDC_SCRIPT_SET_CHOICE, "最初のセット");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SCRIPT_OK, BN_CLICKED), 0);
  });
  Command(IDM_SCRIPT_SETTINGS);
  ASSERT_TRUE(answerer.answered());
  EXPECT_EQ(offered, "印刷セット");
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(app_.settings.autocad_type, '0');
  EXPECT_EQ(ColumnTitles(), (Texts{"ゼロ"}));
  EXPECT_EQ(StatusText(1), "最初のセット");
}

TEST_F(LoadedWindowTest, HelpAndHomePageOpenTheMakersPages) {
  Command(IDM_HELP);
  Command(IDT_HELP);
  Command(IDM_HOME_PAGE);
  ASSERT_EQ(opened_.size(), 3u);
  EXPECT_TRUE(opened_[0].ends_with("/Dw-HELP00.htm")) << opened_[0];
  EXPECT_EQ(opened_[1], opened_[0]);
  EXPECT_TRUE(opened_[0].starts_with(opened_[2])) << opened_[2];
}

// A folder browser that always answers the same folder, and an open dialog that is cancelled;
// both record that they were asked.
// Records into `events` the list's paint pauses ("paused", "drawn") and, from the pickers,
// each question and whether the main window took input meanwhile ("on"/"off").
LRESULT CALLBACK NoteRedraw(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETREDRAW) {
    static_cast<Texts*>(GetPropA(list, "events"))->push_back(wparam ? "drawn" : "paused");
  }
  const auto old = reinterpret_cast<WNDPROC>(GetPropA(list, "procedure"));
  return CallWindowProcA(old, list, message, wparam, lparam);
}

class AnsweringSources : public FolderBrowser, public FilePicker {
 public:
  std::string ChooseFolder(std::string_view, std::string_view) override {
    ++folder_questions;
    events.push_back(IsWindowEnabled(main) ? "folder on" : "folder off");
    return folder;
  }
  std::optional<PickedFiles> OpenFiles(const OpenFilesRequest& request) override {
    opened_with.push_back(request.filters.empty() ? "" : request.filters[0].pattern);
    events.push_back(IsWindowEnabled(main) ? "files on" : "files off");
    return std::nullopt;
  }
  void Watch(HWND window) {
    main = window;
    const HWND list = GetDlgItem(main, IDC_DRAWING_LIST);
    SetPropA(list, "events", &events);
    SetPropA(list, "procedure", reinterpret_cast<HANDLE>(GetWindowLongPtrA(list, GWLP_WNDPROC)));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoteRedraw));
  }
  std::string folder;
  int folder_questions = 0;
  Texts opened_with;
  HWND main = nullptr;
  Texts events;
};

TEST_F(LoadedWindowTest, AddingCommandsReachTheirOperationWithTheirKind) {
  TempFolder drawings("図面");
  drawings.Write("a.dwg", "x");
  drawings.Write("b.dxf", "x");
  AnsweringSources sources;
  sources.folder = drawings.path();
  sources.Watch(window_);
  app_.pickers.folders = &sources;
  app_.pickers.files = &sources;
  Command(IDM_DELETE_ALL);

  for (const int id : {IDM_DWG_FOLDER, IDT_DWG_FOLDER, IDM_DXF_FOLDER, IDT_DXF_FOLDER, IDM_DWG_TREE,
                       IDT_DWG_TREE, IDM_DXF_TREE}) {
    Command(id);
  }
  EXPECT_EQ(sources.folder_questions, 7);
  EXPECT_EQ(FirstCells(), (Texts{"a.dwg", "a.dwg", "b.dxf", "b.dxf", "a.dwg", "a.dwg", "b.dxf"}));

  for (const int id : {IDM_DWG_FILE, IDT_DWG_FILE, IDM_DXF_FILE}) Command(id);
  EXPECT_EQ(sources.opened_with, (Texts{"*.dwg", "*.dwg", "*.dxf"}));
  EXPECT_EQ(app_.rows->RowCount(), 7);
  // The ownerless folder browser keeps the main window off; the list's paint pauses only
  // around the rows going in, after the question (the file picker gave nothing to add).
  Texts expected;
  for (int i = 0; i < 7; ++i) expected.insert(expected.end(), {"folder off", "paused", "drawn"});
  expected.insert(expected.end(), 3, "files on");
  EXPECT_EQ(sources.events, expected);
  EXPECT_TRUE(IsWindowEnabled(window_));
}

TEST_F(LoadedWindowTest, CommandsWithoutTheirOperationDoNothing) {
  for (const int id : {12345, 0, 999}) {  // ids of no menu item, button or control
    Command(id);
  }
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(app_.rows->RowCount(), 3);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(LoadedWindowTest, QuitDestroysTheWindowAndSavesTheList) {
  Command(IDM_DELETE_SELECTED);  // nothing selected: the list stays
  prompter_.shown.clear();
  Select(2);
  Command(IDM_DELETE_SELECTED);
  Command(IDT_QUIT);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_TRUE(folder_.Read(kListFileName).starts_with("max_cont=2\r\nb.dwg;"))
      << Visible(folder_.Read(kListFileName));
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

// A list view store that runs out of memory when asked for a cell, as saving a huge list can.
class OutOfMemoryRowStore : public ListViewRowStore {
 public:
  using ListViewRowStore::ListViewRowStore;
  std::string GetCell(int, int, std::size_t) const override { throw std::bad_alloc(); }
};

TEST_F(LoadedWindowTest, AListThatCannotBeSavedAtCloseStillEndsTheRun) {
  const std::string old_list = folder_.Read(kListFileName);
  const WindowRef main = Main();  // the window is gone when the boxes are compared
  app_.rows = std::make_unique<OutOfMemoryRowStore>(Child(IDC_DRAWING_LIST));
  prompter_.shown.clear();
  Command(IDT_QUIT);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(prompter_.shown, (Boxes{Box(main, "保存出来ません", "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)}));
  EXPECT_EQ(folder_.Read(kListFileName), old_list);  // the old list stays whole
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

// A folder browser that lets another window take the front, as the real one does when it goes.
class FrontTakingBrowser : public FolderBrowser {
 public:
  std::string ChooseFolder(std::string_view, std::string_view) override {
    SetForegroundWindow(other);
    return folder;
  }
  HWND other = nullptr;
  std::string folder;
};

TEST_F(LoadedWindowTest, AFolderAddedWithNoColumnShownSaysSoAndTheWindowComesBackToTheFront) {
  TempFolder drawings("図面");
  drawings.Write("a.dwg", "x");
  FrontTakingBrowser browser;
  browser.folder = drawings.path();
  browser.other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
  app_.pickers.folders = &browser;
  ShowWindow(window_, SW_SHOW);
  app_.rows->DeleteAllRows();
  app_.items.sets[CurrentSetIndex(app_.settings)].items = ItemSlots{};  // a set that shows nothing
  BuildColumns(*app_.rows, app_.current_items());
  prompter_.shown.clear();
  Command(IDM_DWG_FOLDER);
  EXPECT_EQ(prompter_.shown, (Boxes{Box(reinterpret_cast<WindowRef>(window_),
                                        "現在のセットには表示するカラムがありません。"
                                        "スクリプト設定で表示するカラムを設定して下さい。",
                                        "file追加", Icon::kWarning)}));
  EXPECT_EQ(GetForegroundWindow(), window_);
  DestroyWindow(browser.other);
}

}  // namespace
}  // namespace drawlot::testing
