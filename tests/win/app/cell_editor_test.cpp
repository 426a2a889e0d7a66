// The in-place cell editor in the real main window under Wine: opened by right clicks that the
// list view itself turns into NM_RCLICK, committed by leaving the text box or by a choice made
// with the keyboard in the drop-down (timer 1, 200 ms), cancelled by a left click.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/list/list_test_support.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "win/app/main_window.h"
#include "win/support/pump_messages.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

// Columns: 0 name, 1 folder, 2 date, 3 note (text), 4 orientation (select), 5 printer, 6 paper.
void WriteSettings(const TempFolder& folder) {
  ScriptItemTable table{};
  ClearTable(table);
  table.sets[0].present = 1;
  table.sets[0].title = "印刷";
  ItemSlots items = Slots(
      {Item("ファイル名").display(1).edit(0).width(90),
       Item("フォルダ").display(2).edit(0).width(80), Item("日時").display(3).edit(0).width(70),
       Item("メモ").display(4).edit(1).width(60),
       Item("向き").display(4).edit(2).initial("縦").width(50),
       Item("出力先").display(4).edit(3).width(100), Item("用紙").display(4).edit(4).width(80)});
  items[4].select[0] = "縦";
  items[4].select[1] = "横";
  table.sets[0].items = items;
  folder.Write(kSetTitleFileName, SerializeSetTitles(table));
  folder.Write(kItemSetFileName, SerializeItemSets(table));
  EnvironmentSettings settings{};
  ApplyEnvironmentDefaults(settings, folder.path());
  settings.autocad_type = '0';
  folder.Write(kEnvironmentFileName, SerializeEnvironmentSettings(settings));

  InMemoryRowStore rows;
  for (int column = 0; column < 7; ++column) rows.InsertColumn(column, "c", 10);
  for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) {
    const int row = rows.InsertRow(rows.RowCount(), name, kIconDwg, 0);
    const Texts cells{"C:\\dwg", "24/03/05 14:07", std::string("memo-") + name,
                      "縦",      "LBP-1",          "A3"};
    for (int column = 1; column < 7; ++column) rows.SetCell(row, column, cells[column - 1]);
  }
  folder.Write(kListFileName, SerializeList(rows));
}

class CellEditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSettings(folder_);
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
    WaitForStartupPrinters(app_);  // read on a worker
    ShowWindow(window_, SW_SHOW);
    PumpFor(50);
    // A catalogue of our own, whatever the spooler lists; the editor never enumerates.
    prompter_.shown.clear();
    PrinterCatalog& printers = app_.printers;
    printers.Clear();
    printers.count = 2;
    printers.printers[0].name = "LBP-1";
    printers.printers[0].papers[0] = "A4";
    printers.printers[0].papers[1] = "A3";
    printers.printers[1].name = "複合機";
    printers.printers[1].papers[0] = "Ａ４縦";
    printers.printers[1].papers[1] = "Ｂ５";
  }
  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    PumpFor(10);
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  HWND List() const { return GetDlgItem(window_, IDC_DRAWING_LIST); }
  HWND Editor(int id) const { return GetDlgItem(window_, id); }
  std::string Cell(int row, int column) const { return app_.rows->GetCell(row, column, 260); }

  // The middle of a cell in the list's client coordinates.
  POINT CellCenter(int row, int column) const {
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    SendMessageA(List(), LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
    return POINT{cell.left + 5, (cell.top + cell.bottom) / 2};
  }
  // The list view follows a pressed button in a loop of its own until the button comes up:
  // the release waits in the queue before the press is sent.
  void RightClick(int row, int column) {
    const POINT at = CellCenter(row, column);
    PostMessageA(List(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(List(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PumpFor(20);
  }
  void LeftClick(int row, int column) {
    const POINT at = CellCenter(row, column);
    PostMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(List(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpFor(20);
  }
  void Select(int row) { app_.rows->SetRowState(row, kMarkStates, kMarkStates); }
  static std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }
  // Where a child window lies in the main window's client area.
  POINT PlaceOf(HWND child) const {
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(window_, &corner);
    return corner;
  }

  TempFolder folder_{"セル編集"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  HWND window_ = nullptr;
};

TEST_F(CellEditorWindowTest, TextBoxOverTheCellKeepsWhatIsTypedWhenTheUserClicksElsewhere) {
  Select(1);
  RightClick(1, 3);
  const HWND box = Editor(IDC_CELL_EDIT_BOX);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TextOf(box), "memo-b.dwg");
  EXPECT_EQ(Cell(1, 3), "");  // emptied under the editor
  EXPECT_EQ(app_.rows->SelectedCount(), 0);
  const RowPoint origin = app_.rows->RowOrigin(1);
  const POINT place = PlaceOf(box);
  EXPECT_EQ(place.x, origin.x + 90 + 80 + 70);
  EXPECT_EQ(place.y, origin.y + 42);
  RECT size{};
  GetWindowRect(box, &size);
  EXPECT_EQ(size.right - size.left, 60);
  EXPECT_EQ(size.bottom - size.top, 16);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), app_.editor_font);
  EXPECT_EQ(GetFocus(), box);

  SetWindowTextA(box, "書き直し");
  LeftClick(2, 0);  // the list takes the focus: the box commits and goes
  EXPECT_EQ(Cell(1, 3), "書き直し");
  EXPECT_EQ(Editor(IDC_CELL_EDIT_BOX), nullptr);
  EXPECT_EQ(Cell(2, 3), "memo-c.dwg");
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(CellEditorWindowTest, PrinterChosenInItsListFillsThePaperCell200MsLater) {
  Select(0);
  RightClick(0, 5);
  const HWND box = Editor(IDC_CELL_SELECT_BOX);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(DropDownTexts(box), (Texts{"LBP-1", "複合機"}));
  EXPECT_EQ(TextOf(box), "LBP-1");
  EXPECT_EQ(Cell(0, 5), "");
  // The list lies below the box in the window order, back at (0, 40).
  EXPECT_EQ(GetWindow(List(), GW_HWNDNEXT), nullptr);
  EXPECT_EQ(PlaceOf(List()).y, 40);

  SendMessageA(box, CB_SETCURSEL, 0, 0);
  PressDown(box);               // picks 複合機 and notifies CBN_SELCHANGE
  EXPECT_EQ(Cell(0, 6), "A3");  // nothing before the timer
  PumpFor(400);
  EXPECT_EQ(Cell(0, 5), "複合機");
  EXPECT_EQ(Cell(0, 6), "Ａ４縦");
  EXPECT_EQ(Editor(IDC_CELL_SELECT_BOX), nullptr);

  // The paper cell then lists the papers of the printer in column 5; a choice changes it only.
  Select(0);
  RightClick(0, 6);
  const HWND papers = Editor(IDC_CELL_SELECT_BOX);
  ASSERT_NE(papers, nullptr);
  EXPECT_EQ(DropDownTexts(papers), (Texts{"Ａ４縦", "Ｂ５"}));
  SendMessageA(papers, CB_SETCURSEL, 0, 0);
  PressDown(papers);
  PumpFor(400);
  EXPECT_EQ(Cell(0, 6), "Ｂ５");
  EXPECT_EQ(Cell(0, 5), "複合機");
}

TEST_F(CellEditorWindowTest, LeftClickOrAnotherRightClickGivesTheCellItsTextBack) {
  Select(2);
  RightClick(2, 4);
  ASSERT_NE(Editor(IDC_CELL_SELECT_BOX), nullptr);
  EXPECT_EQ(DropDownTexts(Editor(IDC_CELL_SELECT_BOX)), (Texts{"縦", "横"}));
  SetWindowTextA(Editor(IDC_CELL_SELECT_BOX), "typed only");
  LeftClick(0, 0);
  EXPECT_EQ(Cell(2, 4), "縦");
  PumpFor(20);
  EXPECT_EQ(Editor(IDC_CELL_SELECT_BOX), nullptr);

  Select(1);
  RightClick(1, 6);
  ASSERT_NE(Editor(IDC_CELL_SELECT_BOX), nullptr);
  RightClick(2, 5);  // the list selects row 2 itself; the first editor ends first
  EXPECT_EQ(Cell(1, 6), "A3");
  EXPECT_EQ(Cell(2, 5), "");
  ASSERT_NE(Editor(IDC_CELL_SELECT_BOX), nullptr);
  EXPECT_EQ(TextOf(Editor(IDC_CELL_SELECT_BOX)), "LBP-1");
}

TEST_F(CellEditorWindowTest, CommandsAndHeaderClicksNeverLoseTheEditedCell) {
  Select(0);
  RightClick(0, 3);
  ASSERT_NE(Editor(IDC_CELL_EDIT_BOX), nullptr);
  SetWindowTextA(Editor(IDC_CELL_EDIT_BOX), "typed");
  SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDT_MOVE_DOWN, 0), 0);
  EXPECT_EQ(Cell(0, 3), "typed");

  Select(0);
  RightClick(0, 5);
  ASSERT_NE(Editor(IDC_CELL_SELECT_BOX), nullptr);
  NMLISTVIEW header_click{};
  header_click.hdr = {List(), IDC_DRAWING_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
  header_click.iSubItem = 0;  // sorts the names descending: a.dwg goes last
  SendMessageA(window_, WM_NOTIFY, IDC_DRAWING_LIST, reinterpret_cast<LPARAM>(&header_click));
  EXPECT_EQ(Cell(2, 0), "a.dwg");
  EXPECT_EQ(Cell(2, 5), "LBP-1");
  EXPECT_EQ(Cell(2, 3), "typed");

  Select(1);
  RightClick(1, 6);
  DestroyWindow(window_);  // the list saved at the end holds the cell's text
  window_ = nullptr;
  PumpFor(10);
  EXPECT_NE(folder_.Read(kListFileName).find("b.dwg;C:\\dwg;24/03/05 14:07;memo-b.dwg;縦;LBP-1;A3"),
            std::string::npos)
      << Visible(folder_.Read(kListFileName));
}

}  // namespace
}  // namespace drawlot::testing
