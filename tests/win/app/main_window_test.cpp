// The main window created by the test in a prepared start-up folder: its class, place and
// controls, the start-up reads and their boxes, layout, tooltips, the list's notifications,
// the commands, and the order of the files written at the end.
#include "win/app/main_window.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/list/list_test_support.h"
#include "core/text/file_io.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "win/app/drawlot_run.h"
#include "win/app/main_commands.h"
#include "win/platform/win32_print_spooler.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char kColumnsMissing[] = "カラム設定ファイルがありません。初期値にします。";
constexpr char kSettingsMissing[] = "設定ファイルがありません。環境設定をし直して下さい。";

// Set 2 is current: file name, a hidden item, folder, an initial value.
void WritePreparedSettings(const TempFolder& folder) {
  ScriptItemTable table{};
  ClearTable(table);
  for (int set = 0; set < 3; ++set) table.sets[set].present = 1;
  table.sets[0].title = "最初のセット";
  table.sets[1].title = "二番目";
  table.sets[2].title = "印刷セット";
  table.sets[0].items = Slots({Item("ゼロ").display(1).width(50)});
  table.sets[2].items = Slots({Item("ファイル名").display(1).width(120), Item("隠し").width(70),
                               Item("フォルダ").display(2).width(200),
                               Item("プリンタ").display(4).edit(3).initial("PDF").width(90)});
  folder.Write(kSetTitleFileName, SerializeSetTitles(table));
  folder.Write(kItemSetFileName, SerializeItemSets(table));

  EnvironmentSettings settings{};
  ApplyEnvironmentDefaults(settings, folder.path());
  settings.autocad_type = '2';
  settings.file_folder = "d:\\図面\\表";
  folder.Write(kEnvironmentFileName, SerializeEnvironmentSettings(settings));
}

void WriteList(const TempFolder& folder, const Texts& first_cells) {
  InMemoryRowStore store;
  for (int column = 0; column < 3; ++column) store.InsertColumn(column, "c", 10);
  for (const std::string& name : first_cells) {
    const int row = store.InsertRow(store.RowCount(), name, kIconDwg, 0);
    store.SetCell(row, 1, "c:\\drawings");
    store.SetCell(row, 2, "A3");
  }
  folder.Write(kListFileName, SerializeList(store));
}

void DrainMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  // The window sees the printers of a scripted spooler (none unless a test adds them), so that
  // its start-up boxes do not depend on the queues of the machine.
  MainWindowTest() {
    auto spooler = std::make_unique<InMemoryPrintSpooler>();
    spooler_ = spooler.get();
    app_.spooler = std::move(spooler);
  }

  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    DrainMessages();
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  void Create() {
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    app_.open_web_page = [this](const std::string& address) { opened_.push_back(address); };
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
  }
  // Made, and its printers read (on a worker) and taken.
  void Open() {
    Create();
    if (window_) WaitForStartupPrinters(app_);
  }

  HWND Child(int id) const { return GetDlgItem(window_, id); }

  std::string StatusText(int part) {
    char text[512] = {};
    SendMessageA(Child(IDC_STATUS_BAR), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
  }

  Texts ColumnTitles() {
    Texts titles;
    for (int column = 0; column < app_.rows->ColumnCount(); ++column) {
      char title[64] = {};
      LVCOLUMNA info{};
      info.mask = LVCF_TEXT;
      info.pszText = title;
      info.cchTextMax = sizeof title;
      SendMessageA(Child(IDC_DRAWING_LIST), LVM_GETCOLUMNA, column,
                   reinterpret_cast<LPARAM>(&info));
      titles.push_back(title);
    }
    return titles;
  }

  Texts FirstCells() {
    Texts cells;
    for (int row = 0; row < app_.rows->RowCount(); ++row) {
      cells.push_back(app_.rows->GetCell(row, 0, 260));
    }
    return cells;
  }

  void Command(int id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  LRESULT NotifyFromList(NMHDR& header) {
    header.hwndFrom = Child(IDC_DRAWING_LIST);
    header.idFrom = IDC_DRAWING_LIST;
    return SendMessageA(window_, WM_NOTIFY, IDC_DRAWING_LIST, reinterpret_cast<LPARAM>(&header));
  }

  TempFolder folder_{"起動フォルダ"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  InMemoryPrintSpooler* spooler_ = nullptr;
  HWND window_ = nullptr;
  Texts opened_;
};

// ---- Start-up ------------------------------------------------------------------------------

TEST_F(MainWindowTest, FirstStartInAnEmptyFolderWarnsThreeTimesAndStartsEmpty) {
  Open();
  ASSERT_EQ(prompter_.shown.size(), 3u);
  for (int box = 0; box < 2; ++box) {
    EXPECT_EQ(prompter_.shown[box].text, kColumnsMissing);
    EXPECT_EQ(prompter_.shown[box].title, "初期設定１");
  }
  EXPECT_EQ(prompter_.shown[2].text, kSettingsMissing);
  EXPECT_EQ(prompter_.shown[2].title, "初期設定２");
  for (const Message& box : prompter_.shown) {
    EXPECT_EQ(box.icon, Icon::kWarning);
    EXPECT_EQ(box.buttons, Buttons::kOk);
    EXPECT_EQ(box.owner, reinterpret_cast<WindowRef>(window_));
  }
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
  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_EQ(prompter_.shown[0].text, "このプリンターは使用禁止に設定なっています");
  EXPECT_EQ(prompter_.shown[0].title, "Foxit PDF");
  EXPECT_EQ(prompter_.shown[1].text, "十分なメモリがないためバッファを割り当てられません");
  EXPECT_EQ(prompter_.shown[1].title, "Empty");
  for (const Message& box : prompter_.shown) {
    EXPECT_EQ(box.owner, reinterpret_cast<WindowRef>(window_));
  }
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
  const auto main = reinterpret_cast<WindowRef>(window_);
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

// ---- Notifications and commands ------------------------------------------------------------

class LoadedWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    WritePreparedSettings(folder_);
    WriteList(folder_, {"b.dwg", "A.dwg", "c.dwg"});
    Open();
  }
  void Select(int row) { app_.rows->SetRowState(row, kStateSelected, kStateSelected); }
};

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
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].text, "ファイルが選択していません");
  EXPECT_EQ(prompter_.shown[0].title, "選択ミス");
  EXPECT_EQ(prompter_.shown[0].owner, reinterpret_cast<WindowRef>(window_));
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
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].title, "一行COPY");
}

TEST_F(LoadedWindowTest, ScriptSettingsAreRefusedWhileTheListHasRows) {
  Command(IDM_SCRIPT_SETTINGS);
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].text, "リストを全部削除してから実行して下さい。");
  EXPECT_EQ(prompter_.shown[0].title, "残念！");
  EXPECT_EQ(prompter_.shown[0].buttons, Buttons::kOk);
  EXPECT_EQ(prompter_.shown[0].icon, Icon::kNone);
  EXPECT_EQ(prompter_.shown[0].owner, reinterpret_cast<WindowRef>(window_));
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

TEST_F(LoadedWindowTest, CommandsWithoutTheirOperationDoNothing) {
  for (const int id : {12345, 0, 999}) {  // ids of no menu item, button or control
    Command(id);
  }
  EXPECT_TRUE(prompter_.shown.empty());
  EXPECT_EQ(app_.rows->RowCount(), 3);
  EXPECT_TRUE(IsWindow(window_));
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
  EXPECT_EQ(menu_ids.size(), 36u);
  EXPECT_EQ(toolbar_ids.size(), 17u);
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
  app_.rows = std::make_unique<OutOfMemoryRowStore>(Child(IDC_DRAWING_LIST));
  prompter_.shown.clear();
  Command(IDT_QUIT);
  EXPECT_FALSE(IsWindow(window_));
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].text, "保存出来ません");
  EXPECT_EQ(prompter_.shown[0].title, "ﾌｧｲﾙｴﾗｰ");
  EXPECT_EQ(folder_.Read(kListFileName), old_list);  // the old list stays whole
  MSG quit{};
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

// ---- The whole run -------------------------------------------------------------------------

// Records, for every box, which of the files written at the end exist at that moment.
class SnapshotPrompter : public Prompter {
 public:
  explicit SnapshotPrompter(const TempFolder& folder) : folder_(folder) {}
  Answer Show(const Message& message) override {
    std::string seen = message.title + ":";
    for (const char* name : {"plot_set.ini", "drwlt_set2.ini"}) {
      if (folder_.Exists(name)) seen += std::string(" ") + name;
    }
    if (message.owner != 0 && IsWindow(reinterpret_cast<HWND>(message.owner))) seen += " window";
    boxes.push_back(seen);
    return Answer::kOk;
  }
  Texts boxes;

 private:
  const TempFolder& folder_;
};

void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND window = FindWindowA(kMainWindowClass, nullptr);
  if (!window) return;
  KillTimer(nullptr, timer);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
}

// As CloseMainWindow, after making folders of the list's and the set titles' names in the
// start-up folder, so that both fail to be written at the end (they were read as missing).
void CALLBACK BlockTwoFilesAndClose(HWND window, UINT message, UINT_PTR timer, DWORD time) {
  const HWND main = FindWindowA(kMainWindowClass, nullptr);
  if (!main) return;
  const auto* app = reinterpret_cast<Application*>(GetWindowLongPtrA(main, GWLP_USERDATA));
  for (std::string_view name : {kListFileName, kSetTitleFileName}) {
    CreateDirectoryA(JoinPath(app->startup_folder, name).c_str(), nullptr);
  }
  CloseMainWindow(window, message, timer, time);
}

TEST(DrawlotRun, WritesTheListOnDestroyThenTheThreeSettingsFilesInOrder) {
  TempFolder folder("終了順");
  // Two files cannot be written (they become folders once the window runs), so their writers
  // say so: each box shows which of the other files existed at that moment.
  SnapshotPrompter prompter(folder);
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  // No printers: the boxes of the test CUPS's queues have no place in this order.
  app.spooler = std::make_unique<InMemoryPrintSpooler>();
  SetTimer(nullptr, 0, 10, BlockTwoFilesAndClose);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));

  EXPECT_EQ(prompter.boxes, (Texts{"初期設定１: window", "初期設定１: window", "初期設定２: window",
                                   "ﾌｧｲﾙｴﾗｰ: window", "ﾌｧｲﾙｴﾗｰ: plot_set.ini"}));
  EXPECT_TRUE(folder.Exists(kItemSetFileName));
  EXPECT_TRUE(folder.Exists(kEnvironmentFileName));
}

// The first box fails as running out of memory would, half-way through the start-up reads.
class ThrowingPrompter : public Prompter {
 public:
  Answer Show(const Message&) override { throw std::bad_alloc(); }
};

TEST(DrawlotRun, AStartThatFailsHalfWayWritesNoSettingsFile) {
  TempFolder folder("途中");
  WritePreparedSettings(folder);
  DeleteFileA(folder.File(kSetTitleFileName).c_str());  // its box is the one that fails
  const std::string items = folder.Read(kItemSetFileName);
  const std::string settings = folder.Read(kEnvironmentFileName);
  ThrowingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // posted by the failed window
  EXPECT_EQ(folder.Names(), (Texts{"drwlt_set2.ini", "plot_set.ini"}));
  EXPECT_EQ(folder.Read(kItemSetFileName), items);
  EXPECT_EQ(folder.Read(kEnvironmentFileName), settings);
}

// Holds files open without sharing, as another program that locks them does, and lets them
// go at the last start-up box, so the files could be written at the end.
class LockingPrompter : public RecordingPrompter {
 public:
  void Lock(const std::string& path) {
    locks_.push_back(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  }
  Answer Show(const Message& message) override {
    if (message.title == "ﾌｧｲﾙｴﾗｰ") Unlock();
    return RecordingPrompter::Show(message);
  }
  void Unlock() {
    for (HANDLE lock : locks_) CloseHandle(lock);
    locks_.clear();
  }
  ~LockingPrompter() override { Unlock(); }

 private:
  std::vector<HANDLE> locks_;
};

// As CloseMainWindow, after the user added a row to the list.
void CALLBACK AddRowAndClose(HWND window, UINT message, UINT_PTR timer, DWORD time) {
  const HWND main = FindWindowA(kMainWindowClass, nullptr);
  if (!main) return;
  auto* app = reinterpret_cast<Application*>(GetWindowLongPtrA(main, GWLP_USERDATA));
  app->rows->InsertRow(0, "x.dwg", kIconDwg, app->tags.Next());
  CloseMainWindow(window, message, timer, time);
}

// The session's version of the kept file `kept` that the run left beside it.
std::string SessionVersionOf(const TempFolder& folder, std::string_view kept) {
  const std::string stem(kept.substr(0, kept.rfind('.')));
  for (const std::string& name : folder.Names()) {
    // stem, "_", date "-" time, ".ini"
    if (name.starts_with(stem + "_") && name.size() == stem.size() + 20) return name;
  }
  return "(none)";
}

// The one box at the end that says which files were kept and where the session's versions are.
Message KeptBox(const TempFolder& folder, std::initializer_list<std::string_view> kept) {
  std::string text =
      "読込出来なかったファイルは書き換えずにそのまま残しました。\n"
      "今回の内容は次の名前で保存しました。\n";
  for (std::string_view name : kept) {
    text += "\n" + std::string(name) + " → " + SessionVersionOf(folder, name);
  }
  return Box(0, text, "ﾌｧｲﾙｴﾗｰ", Icon::kWarning);
}

TEST(DrawlotRun, FilesThatCannotBeReadAreToldOfAndKeptAsTheyAre) {
  TempFolder folder("ロック");
  WritePreparedSettings(folder);
  WriteList(folder, {"a.dwg", "b.dwg"});
  const Texts names = folder.Names();
  std::vector<std::string> before;
  for (const std::string& name : names) before.push_back(folder.Read(name));
  LockingPrompter prompter;
  for (std::string_view name : {kItemSetFileName, kEnvironmentFileName, kListFileName}) {
    prompter.Lock(folder.File(name));
  }
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  app.spooler = std::make_unique<InMemoryPrintSpooler>();  // no printer boxes among these
  SetTimer(nullptr, 0, 10, AddRowAndClose);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));

  ASSERT_EQ(prompter.shown.size(), 4u);
  EXPECT_EQ(prompter.shown[0].text,
            "カラム設定ファイル drwlt_set2.ini を読込出来ません。初期値にしますが、"
            "このファイルは書き換えずにそのまま残します。");
  EXPECT_EQ(prompter.shown[0].title, "初期設定１");
  EXPECT_EQ(prompter.shown[1].text,
            "設定ファイル plot_set.ini を読込出来ません。初期値にしますが、"
            "このファイルは書き換えずにそのまま残します。");
  EXPECT_EQ(prompter.shown[1].title, "初期設定２");
  EXPECT_EQ(prompter.shown[2].text,
            "リストファイル listview.ini を読込出来ません。空のリストで始めますが、"
            "このファイルは書き換えずにそのまま残します。");
  EXPECT_EQ(prompter.shown[2].title, "ﾌｧｲﾙｴﾗｰ");
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(prompter.shown[k].icon, Icon::kWarning);
    EXPECT_NE(prompter.shown[k].owner, 0u);
  }
  // Every file as it was (the readable set titles were written back unchanged), and beside
  // each kept one the session's version, told of in one box at the end.
  EXPECT_EQ(prompter.shown[3],
            KeptBox(folder, {kListFileName, kItemSetFileName, kEnvironmentFileName}));
  EXPECT_EQ(folder.Names().size(), names.size() + 3);
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(folder.Read(names[i]), before[i]) << names[i];
  EXPECT_TRUE(
      folder.Read(SessionVersionOf(folder, kListFileName)).starts_with("max_cont=1\r\nx.dwg;"));
  EXPECT_EQ(folder.Read(SessionVersionOf(folder, kItemSetFileName)), SerializeItemSets(app.items));
  EXPECT_EQ(folder.Read(SessionVersionOf(folder, kEnvironmentFileName)),
            SerializeEnvironmentSettings(app.settings));
}

// Runs the program in `folder` until the window closes itself at its first timer tick.
void RunUntilClosed(const TempFolder& folder, Prompter& prompter) {
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  app.spooler = std::make_unique<InMemoryPrintSpooler>();  // no printer boxes among these
  SetTimer(nullptr, 0, 10, CloseMainWindow);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
}

// The item-set file holds only the items of the sets the set titles mark as there: with the
// titles unread, no set is there, and writing the items back would leave an empty file.
TEST(DrawlotRun, ItemSetsAreKeptWhenTheSetTitlesCannotBeRead) {
  TempFolder folder("題名ロック");
  WritePreparedSettings(folder);
  const std::string items = folder.Read(kItemSetFileName);
  ASSERT_FALSE(items.empty());
  LockingPrompter prompter;
  prompter.Lock(folder.File(kSetTitleFileName));
  RunUntilClosed(folder, prompter);
  prompter.Unlock();

  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text,
            "カラム設定ファイル drwlt_set1.ini を読込出来ません。初期値にしますが、"
            "このファイルは書き換えずにそのまま残します。");
  EXPECT_EQ(prompter.shown[1], KeptBox(folder, {kSetTitleFileName, kItemSetFileName}));
  EXPECT_EQ(folder.Read(kItemSetFileName), items);
}

// A line far longer than any the program writes ends the reading there: the rows after it
// were never seen, so the list file is kept as one that cannot be read.
TEST(DrawlotRun, AListCutShortByAnOverlongLineIsToldOfAndKept) {
  TempFolder folder("長い行");
  WritePreparedSettings(folder);
  const std::string list =
      "max_cont=3\r\na.dwg\r\n" + std::string(kListLineMaxBytes + 1, 'x') + "\r\nc.dwg\r\n";
  folder.Write(kListFileName, list);
  RecordingPrompter prompter;
  RunUntilClosed(folder, prompter);

  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text,
            "リストファイル listview.ini を読込出来ません。空のリストで始めますが、"
            "このファイルは書き換えずにそのまま残します。");
  EXPECT_EQ(prompter.shown[1], KeptBox(folder, {kListFileName}));
  EXPECT_EQ(folder.Read(kListFileName), list);
}

TEST(DrawlotRun, EndsAtOnceWhenTheClassCannotBeRegistered) {
  ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));  // taken already
  TempFolder folder;
  RecordingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  EXPECT_EQ(app.main_window, nullptr);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(folder.Exists(kEnvironmentFileName));
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
}

}  // namespace
}  // namespace drawlot::testing
