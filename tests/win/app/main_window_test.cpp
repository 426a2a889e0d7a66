// The main window created by the test in a prepared start-up folder: its class, place and
// controls, the start-up reads and their boxes, layout, tooltips, the status bar, and a row in
// the command table for every menu item and toolbar button.
#include "win/app/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "win/app/main_commands.h"
#include "win/app/main_window_fixture.h"
#include "win/platform/win32_print_spooler.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

// ---- Start-up ------------------------------------------------------------------------------

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderWarnsThreeTimesAndStartsEmpty) {
  Open();
  const WindowRef main = Main();
  const Message columns_missing = Box(main, kColumnsMissing, "初期設定１", Icon::kWarning);
  EXPECT_EQ(prompter_.shown, (Boxes{columns_missing, columns_missing,
                                    Box(main, kSettingsMissing, "初期設定２", Icon::kWarning)}));
  EXPECT_EQ(app_.rows->ColumnCount(), 0);
  EXPECT_EQ(app_.rows->RowCount(), 0);

  RefreshStatusBar(app_);
  EnvironmentSettings defaults{};
  ApplyEnvironmentDefaults(defaults, folder_.path());
  EXPECT_EQ(StatusText(0), defaults.file_folder.view());
  EXPECT_EQ(StatusText(1), "");
}

TEST_F(MainWindowTest, PreparedFolderGivesTheCurrentSetsColumnsAndTheSavedList) {
  WritePreparedSettings(folder_);
  WriteList(folder_, {"a.dwg", "b.dxf"});
  Open();
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(ColumnTitles(), (Texts{"ファイル名", "フォルダ", "プリンタ"}));
  EXPECT_EQ(app_.rows->ColumnWidth(0), 120);
  EXPECT_EQ(app_.rows->ColumnWidth(1), 200);
  EXPECT_EQ(app_.rows->ColumnWidth(2), 90);
  EXPECT_EQ(FirstCells(), (Texts{"a.dwg", "b.dxf"}));
  EXPECT_EQ(app_.rows->GetCell(1, 2, 260), "A3");
  EXPECT_EQ(app_.rows->IconOf(1), kIconDxf);
}

TEST_F(MainWindowTest, StartUpEnumeratesThePrintersWithBoxesOwnedByTheWindow) {
  WritePreparedSettings(folder_);  // the default prohibited printer "Foxit"
  spooler_->Add("Foxit PDF", {"A4"});
  spooler_->Add("Plotter", {"A1", "A0"});
  spooler_->Add("Empty", {});
  Open();
  EXPECT_EQ(app_.printers.count, 3);
  EXPECT_EQ(app_.printers.printers[0].papers[0], "Prohibition");
  EXPECT_EQ(app_.printers.printers[1].name, "Plotter");
  EXPECT_EQ(app_.printers.printers[1].papers[1], "A0");
  const WindowRef main = Main();
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{
          Box(main, "このプリンターは使用禁止に設定なっています", "Foxit PDF", Icon::kNone),
          Box(main, "十分なメモリがないためバッファを割り当てられません", "Empty", Icon::kNone)}));
}

// The queues of the test CUPS, read while the window already answers: the one-row edit asked
// for at once waits for them, and their start-up boxes come after those before them, ahead of
// the dialog's own enumeration.
TEST_F(MainWindowTest, AnEditAtOnceWaitsForTheStartUpPrintersAndTheirBoxes) {
  if (!std::getenv("CUPS_SERVER")) GTEST_SKIP() << "no test CUPS: run tools/test.sh";
  app_.spooler = std::make_unique<Win32PrintSpooler>();
  ScriptItemTable table{};
  ClearTable(table);
  table.sets[0].present = 1;
  table.sets[0].items = Slots({Item("ファイル名").display(1).width(90),
                               Item("出力先").display(4).edit(3).initial("Foxit-PDF").width(90)});
  folder_.Write(kSetTitleFileName, SerializeSetTitles(table));
  folder_.Write(kItemSetFileName, SerializeItemSets(table));
  WriteList(folder_, {"a.dwg"});  // no plot_set.ini: its box, the defaults prohibit "Foxit"
  Create();
  ShowWindow(window_, SW_SHOW);
  app_.rows->SetRowState(0, LVIS_SELECTED, LVIS_SELECTED);
  Texts printers;
  HWND dialog = nullptr;
  ModalAnswerer answerer("一行編集　選んだ行を変更します", [&](HWND window) {
    dialog = window;
    const HWND box = GetDlgItem(window, 1501);  // item 1, the printer
    for (int k = 0; k < SendMessageA(box, CB_GETCOUNT, 0, 0); ++k) {
      char name[128] = {};
      SendMessageA(box, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(name));
      printers.push_back(name);
    }
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_EDIT_CANCEL, BN_CLICKED), 0);
  });
  Command(IDM_EDIT_ROW);
  ASSERT_TRUE(answerer.answered());

  EXPECT_EQ(printers, (Texts{"Drawlot-Japanese", "Drawlot-Mixed", "Drawlot-Seventy",
                             "Drawlot-SixtyThree", "Foxit-PDF"}));
  EXPECT_EQ(app_.printers.count, 5);
  const WindowRef main = Main();
  constexpr char kProhibited[] = "このプリンターは使用禁止に設定なっています";
  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Box(main, kSettingsMissing, "初期設定２", Icon::kWarning),
             Box(main, kProhibited, "Foxit-PDF", Icon::kNone),
             Box(reinterpret_cast<WindowRef>(dialog), kProhibited, "Foxit-PDF", Icon::kNone)}));
}

TEST_F(MainWindowTest, AListFileClaimingMoreRowsThanItHoldsLoadsWhatItHolds) {
  WritePreparedSettings(folder_);
  folder_.Write(kListFileName, "max_cont=2147483647\r\nx.dwg;d\r\ny.dxf;d\r\n");
  Open();
  EXPECT_EQ(FirstCells(), (Texts{"x.dwg", "y.dxf"}));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(MainWindowTest, StatusBarHasFourPartsWithFolderSetTitleAndBrand) {
  WritePreparedSettings(folder_);
  Open();
  int edges[4] = {};
  ASSERT_EQ(SendMessageA(Child(IDC_STATUS_BAR), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)),
            4);
  EXPECT_EQ(edges[0], 450);
  EXPECT_EQ(edges[1], 600);
  EXPECT_EQ(edges[2], 800);
  EXPECT_EQ(edges[3], -1);

  SendMessageA(window_, WM_PAINT, 0, 0);  // every paint refreshes the texts
  EXPECT_EQ(StatusText(0), "d:\\図面\\表");
  EXPECT_EQ(StatusText(1), "印刷セット");
  EXPECT_EQ(StatusText(2), "Harrowby \"Loomstar\"");
  EXPECT_EQ(StatusText(3), "");
}

// ---- The window and its controls --------------------------------------------------------------

TEST(MainWindowOrigin, CentresTruncatingTowardZero) {
  EXPECT_EQ(MainWindowOrigin(1024, 768).x, 112);
  EXPECT_EQ(MainWindowOrigin(1024, 768).y, 104);
  EXPECT_EQ(MainWindowOrigin(640, 480).x, -80);
  EXPECT_EQ(MainWindowOrigin(640, 480).y, -40);
  EXPECT_EQ(MainWindowOrigin(799, 557).x, 0);   // -1 / 2
  EXPECT_EQ(MainWindowOrigin(799, 557).y, -1);  // -3 / 2
}

TEST_F(MainWindowTest, ClassTitleStyleSizeAndPlace) {
  Open();
  char class_name[64] = {};
  GetClassNameA(window_, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "Main Window");
  EXPECT_EQ(WindowText(window_), "Drawlot Ver1.56");
  EXPECT_EQ(GetClassLongPtrA(window_, GCL_STYLE),
            static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNCLIENT));
  EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICON), 0u);
  EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICONSM), 0u);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window_, GCLP_HCURSOR)),
            LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
  LOGBRUSH brush{};
  ASSERT_NE(GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window_, GCLP_HBRBACKGROUND)),
                       sizeof brush, &brush),
            0);
  EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(brush.lbColor, RGB(238, 235, 218));
  ASSERT_NE(GetMenu(window_), nullptr);  // the class's menu
  EXPECT_EQ(GetMenuItemCount(GetMenu(window_)), 8);

  const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(style & (WS_CHILD | WS_POPUP), 0);
  RECT frame{};
  GetWindowRect(window_, &frame);
  const WindowOrigin origin =
      MainWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(frame.left, origin.x);
  EXPECT_EQ(frame.top, origin.y);
  EXPECT_EQ(frame.right - frame.left, 800);
  EXPECT_EQ(frame.bottom - frame.top, 560);
}

TEST_F(MainWindowTest, ToolbarHasSeventeenButtonsOnTheStripWithTooltips) {
  Open();
  const HWND toolbar = Child(IDC_TOOLBAR);
  ASSERT_NE(toolbar, nullptr);
  const LONG_PTR style = GetWindowLongPtrA(toolbar, GWL_STYLE);
  const LONG_PTR wanted =
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_ALTDRAG | CCS_ADJUSTABLE;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_NE(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0), 0);
  ASSERT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 17);
  for (int k = 0; k < 17; ++k) {
    TBBUTTON button{};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETBUTTON, k, reinterpret_cast<LPARAM>(&button)));
    EXPECT_EQ(button.idCommand, 330 + k);
    EXPECT_EQ(button.iBitmap, k);
    EXPECT_EQ(button.fsState & TBSTATE_ENABLED, TBSTATE_ENABLED);
    EXPECT_EQ(button.fsStyle, BTNS_BUTTON);
  }
  RECT button{};
  SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
  EXPECT_GE(button.right - button.left, 32);
  EXPECT_GE(button.bottom - button.top, 32);
}

TEST_F(MainWindowTest, TooltipTextsAnswerEachButton) {
  Open();
  const Texts expected = {"フォルダを選択し読込",
                          "DWGサブフォルダ内も読込",
                          "DWGフォルダ単位読込",
                          "DXFフォルダ単位読込",
                          "１枚単位の読込",
                          "リストから削除",
                          "スタート",
                          "プリンタと用紙の列挙",
                          "初期設定",
                          "リスト一行編集",
                          "リスト一行コピー",
                          "リスト一行貼り付け",
                          "リスト一列編集",
                          "下降",
                          "上昇",
                          "ヘルプ",
                          "終了"};
  const HWND tips = reinterpret_cast<HWND>(SendMessageA(Child(IDC_TOOLBAR), TB_GETTOOLTIPS, 0, 0));
  for (int k = 0; k < 17; ++k) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = tips;
    info.hdr.idFrom = 330 + k;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    const char* text = info.lpszText ? info.lpszText : info.szText;
    EXPECT_EQ(std::string(text), expected[k]) << 330 + k;
  }
}

TEST_F(MainWindowTest, DrawingListIsAReportWithGridAndRowIcons) {
  Open();
  const HWND list = Child(IDC_DRAWING_LIST);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list, app_.drawing_list);
  EXPECT_EQ(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_NE(GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  const LRESULT extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
            LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  const auto icons =
      reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  ASSERT_NE(icons, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(icons), 2);
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(icons, &width, &height);
  EXPECT_EQ(width, 12);
  EXPECT_EQ(height, 12);

  const HWND status = Child(IDC_STATUS_BAR);
  ASSERT_NE(status, nullptr);
  EXPECT_NE(GetWindowLongPtrA(status, GWL_STYLE) & SBARS_SIZEGRIP, 0);
}

TEST_F(MainWindowTest, EditorFontIs12PixelMsGothicShiftJis) {
  Open();
  ASSERT_NE(app_.editor_font, nullptr);
  LOGFONTA font{};
  ASSERT_NE(GetObjectA(app_.editor_font, sizeof font, &font), 0);
  EXPECT_STREQ(font.lfFaceName, "ＭＳゴシック");
  EXPECT_EQ(font.lfHeight, 12);
  EXPECT_EQ(font.lfWidth, 0);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
}

TEST_F(MainWindowTest, ResizingPlacesTheListBetweenToolbarAndStatusBar) {
  Open();
  RECT wanted{0, 0, 600, 400};
  AdjustWindowRectEx(&wanted, WS_OVERLAPPEDWINDOW, TRUE, 0);
  SetWindowPos(window_, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
               SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(window_, &client);
  ASSERT_EQ(client.right, 600);
  ASSERT_EQ(client.bottom, 400);

  RECT list{};
  GetWindowRect(Child(IDC_DRAWING_LIST), &list);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(list.left, 0);
  EXPECT_EQ(list.top, 40);
  EXPECT_EQ(list.right - list.left, 600);
  EXPECT_EQ(list.bottom - list.top, 340);

  RECT status{};
  GetWindowRect(Child(IDC_STATUS_BAR), &status);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&status), 2);
  EXPECT_EQ(status.bottom, 400);  // the status bar lays itself out along the bottom
  EXPECT_EQ(status.right, 600);
}

// Every item of the real menu bar and every button of the real toolbar has its row in the
// command table, so a command added to the resources cannot be forgotten in the dispatcher.
void CollectMenuIds(HMENU menu, std::vector<int>& ids) {
  for (int k = 0; k < GetMenuItemCount(menu); ++k) {
    if (const HMENU popup = GetSubMenu(menu, k)) {
      CollectMenuIds(popup, ids);
    } else if (!(GetMenuState(menu, k, MF_BYPOSITION) & MF_SEPARATOR)) {
      ids.push_back(static_cast<int>(GetMenuItemID(menu, k)));
    }
  }
}

TEST_F(MainWindowTest, EveryMenuItemAndToolbarButtonHasACommandRow) {
  Open();
  std::vector<int> menu_ids;
  CollectMenuIds(GetMenu(window_), menu_ids);
  const HWND toolbar = Child(IDC_TOOLBAR);
  std::vector<int> toolbar_ids;
  for (int k = 0; k < SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0); ++k) {
    TBBUTTON button{};
    SendMessageA(toolbar, TB_GETBUTTON, k, reinterpret_cast<LPARAM>(&button));
    toolbar_ids.push_back(button.idCommand);
  }
  // Every row's menu item is on the menu and every button on the bar, in the rows' order.
  std::vector<int> rows_menu_ids, rows_toolbar_ids;
  for (const drawlot::Command& row : MainCommands()) {
    if (row.menu_id != 0 && row.menu_id != IDC_CELL_EDIT_BOX && row.menu_id != IDC_CELL_SELECT_BOX)
      rows_menu_ids.push_back(row.menu_id);
  }
  for (const drawlot::Command* row : ToolbarCommands()) rows_toolbar_ids.push_back(row->toolbar_id);
  EXPECT_EQ(menu_ids.size(), rows_menu_ids.size());
  EXPECT_EQ(toolbar_ids, rows_toolbar_ids);
  const auto has_row = [](int id, int drawlot::Command::*field) {
    for (const drawlot::Command& row : MainCommands()) {
      if (row.*field == id) return true;
    }
    return false;
  };
  for (const int id : menu_ids)
    EXPECT_TRUE(has_row(id, &drawlot::Command::menu_id)) << "menu id " << id;
  for (const int id : toolbar_ids) {
    EXPECT_TRUE(has_row(id, &drawlot::Command::toolbar_id)) << "toolbar id " << id;
  }
  // The cell editor's controls send their notifications through the table as well.
  EXPECT_TRUE(has_row(IDC_CELL_EDIT_BOX, &drawlot::Command::menu_id));
  EXPECT_TRUE(has_row(IDC_CELL_SELECT_BOX, &drawlot::Command::menu_id));
}

// A save killed half-way leaves its temporary file; the next start removes those of ours from
// the start-up folder and nothing else.
TEST_F(MainWindowTest, StartRemovesOnlyTheTemporaryFilesOurSavesLeft) {
  const std::string ours = TemporaryNameBeside(folder_.File("plot_set.ini"), 0xfedcba9876543210u);
  const Texts kept = {"mine~dl01234567.tmp", "sub",        "~dl0123abcd.tmp.txt", "~dl0123abcg.tmp",
                      "~dl89abcdef.tmp",     "~dlmine.tmp"};
  for (const std::string& name : kept) {
    // A folder named as ours is no file of ours.
    if (name == "sub" || name == "~dl89abcdef.tmp") folder_.MakeFolder(name);
    if (name != "sub" && name != "~dl89abcdef.tmp") folder_.Write(name, "mine");
  }
  folder_.Write("sub\\~dl01234567.tmp", "below the start-up folder");
  folder_.Write(ours.substr(ours.rfind('\\') + 1), "left");
  folder_.Write("~dl00ff00ff.tmp", "left");
  Open();
  EXPECT_EQ(folder_.Names(), kept);
  EXPECT_TRUE(folder_.Exists("sub\\~dl01234567.tmp"));
}

}  // namespace
}  // namespace drawlot::testing
