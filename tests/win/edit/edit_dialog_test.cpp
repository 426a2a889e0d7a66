// Dialog 6 under Wine, opened by the three commands as the main window runs them, over the
// printers of the private CUPS that the test command starts (tools/test-cups.sh) and a real
// "Plot Styles" folder beside a stand-in AutoCAD.
#include "win/edit/edit_dialog.h"
#include "win/app/edit_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "resources/resource_ids.h"
#include "support/temp_folder.h"
#include "win/list/adding_fixture.h"
#include "win/support/modal_answerer.h"
#include "win/support/pump_messages.h"

namespace drawlot::testing {
namespace {

constexpr int kMemoBox = 504;       // item 4, text
constexpr int kOrientation = 1505;  // item 5, select strings
constexpr int kPrinterBox = 1506;   // item 6
constexpr int kPaperBox = 1507;     // item 7
constexpr int kStyleBox = 1508;     // item 8

const Texts kQueues{"Drawlot-Japanese", "Drawlot-Mixed", "Drawlot-Seventy", "Drawlot-SixtyThree",
                    "Foxit-PDF"};
const Texts kMixedPapers{"A4",        "Letter",   "A3",      "Legal", "B5 (JIS)",
                         "Executive", "B4 (JIS)", "Tabloid", "A2",    "Envelope b4"};
const Texts kJapanesePapers{
    "Ａ４",      "Ｂ５（ＪＩＳ）",
    "はがき",    "長形３号封筒",
    "Ａ３ 横長", "x長長長長長長長長長長長長長長長長長長長長長長長長長長長長長長長"};

// Columns: 0 name, 1 folder, 2 date, 3 memo, 4 orientation, 5 printer, 6 paper, 7 style,
// 8 note (edit mode 0); a hidden item sits between the date and the memo.
class EditDialogTest : public AddingFixture {
 protected:
  void SetUp() override {
    if (!std::getenv("CUPS_SERVER")) GTEST_SKIP() << "no test CUPS: run tools/test.sh";
    ItemSlots& items = app.items.sets[0].items;
    items = Slots(
        {Item("ファイル名").display(1).edit(0).width(90),
         Item("フォルダ").display(2).edit(0).width(80), Item("日時").display(3).edit(0).width(70),
         Item("隠し").display(0).edit(1).width(60), Item("メモ").display(4).edit(1).width(100),
         Item("向き").display(4).edit(2).initial("縦").width(60),
         Item("出力先").display(4).edit(3).initial("Drawlot-Mixed").width(150),
         Item("用紙").display(4).edit(4).initial("A3").width(120),
         Item("ｽﾀｲﾙ").display(4).edit(5).initial("acad.ctb").width(100),
         Item("備考").display(4).edit(0).initial("-").width(50)});
    items[5].select[0] = "縦";
    items[5].select[1] = "横";
    app.items.sets[0].title = "印刷用";
    ApplyEnvironmentDefaults(app.settings, temp.path());  // prohibits "Foxit"
    app.settings.autocad_type = '0';
    app.settings.print_paper_ab = '0';
    app.settings.autocad_file = temp.File("acad.exe");
    temp.MakeFolder("Plot Styles");
    for (const char* style : {"acad.ctb", "monochrome.ctb", "shortcut.lnk"}) {
      temp.Write(std::string("Plot Styles\\") + style, "x");
    }
    app.open_web_page = [this](const std::string& address) { opened.push_back(address); };
    BuildColumns(*app.rows, items);
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) {
      InsertDrawingRow(*app.rows, items, app.tags,
                       NewDrawing{name, "C:\\dwg", "2024/03/05 14:07", kIconDwg},
                       app.rows->RowCount());
    }
  }

  // Runs `command` with `script` answering the dialog; the dialog's window is kept.
  void Run(void (*command)(Application&), const std::function<void(HWND)>& script) {
    ModalAnswerer answerer("", [&](HWND window) {
      dialog = window;
      script(window);
    });
    command(app);
    ASSERT_TRUE(answerer.answered());
  }
  static std::string Text(HWND dialog, int id) {
    char text[300] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }
  static RECT PlaceOf(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  static void Press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }
  Texts Row(int row) { return RowTexts(*app.rows, row); }

  TempFolder temp{"編集ダイアログ"};
  HWND dialog = nullptr;
  Texts opened;
};

TEST_F(EditDialogTest, OneRowEditShowsEveryModeAndWritesTheSelectedRows) {
  app.rows->SetCell(2, 3, "first");
  for (int row : {0, 2}) MarkRow(*app.rows, row);
  std::string caption;
  Texts printers, papers, styles, orientations, papers_soon, papers_later;
  std::string paper_later;
  std::vector<RECT> places;
  HWND focus = nullptr;
  HWND style_field = nullptr;
  HFONT font = nullptr;
  Run(EditRowCommand, [&](HWND window) {
    PumpFor(50);
    caption = WindowText(window);
    focus = GetFocus();
    style_field = GetWindow(GetDlgItem(window, kStyleBox), GW_CHILD);
    font = reinterpret_cast<HFONT>(SendDlgItemMessageA(window, kMemoBox, WM_GETFONT, 0, 0));
    for (int id : {kMemoBox, kOrientation, kPrinterBox, kPaperBox, kStyleBox}) {
      places.push_back(PlaceOf(window, id));
    }
    EXPECT_EQ(Text(window, kMemoBox), "");  // row 0 is the first selected row
    EXPECT_EQ(Text(window, kPrinterBox), "Drawlot-Mixed");
    printers = DropDownTexts(GetDlgItem(window, kPrinterBox));
    papers = DropDownTexts(GetDlgItem(window, kPaperBox));
    styles = DropDownTexts(GetDlgItem(window, kStyleBox));
    orientations = DropDownTexts(GetDlgItem(window, kOrientation));

    // Another printer chosen: the paper box follows about half a second later.
    const HWND printer_box = GetDlgItem(window, kPrinterBox);
    SendMessageA(printer_box, CB_SETCURSEL, 1, 0);
    PressDown(printer_box);  // Drawlot-Seventy
    PumpFor(150);
    papers_soon = DropDownTexts(GetDlgItem(window, kPaperBox));
    PumpFor(600);
    papers_later = DropDownTexts(GetDlgItem(window, kPaperBox));
    paper_later = Text(window, kPaperBox);

    SetDlgItemTextA(window, kMemoBox, "新しいメモ");
    SetDlgItemTextA(window, kOrientation, "横");
    Press(window, IDC_EDIT_OK);
  });

  EXPECT_EQ(caption, "一行編集　選んだ行を変更します");
  EXPECT_EQ(printers, kQueues);
  EXPECT_EQ(papers, kMixedPapers);
  EXPECT_EQ(styles, (Texts{"acad.ctb", "monochrome.ctb"}));
  EXPECT_EQ(orientations, (Texts{"縦", "横"}));
  EXPECT_EQ(papers_soon, kMixedPapers);
  ASSERT_EQ(papers_later.size(), 63u);
  EXPECT_EQ(papers_later[0], "Size 01");
  EXPECT_EQ(paper_later, "Size 01");
  // x: 5, +100+2 = 107, +60+12 = 179, +150+12 = 341, +120+12 = 473; widths +10 on drop-downs.
  const std::vector<std::pair<int, int>> expected{
      {5, 105}, {107, 177}, {179, 339}, {341, 471}, {473, 583}};
  for (std::size_t k = 0; k < places.size(); ++k) {
    EXPECT_EQ(places[k].left, expected[k].first) << k;
    EXPECT_EQ(places[k].right, expected[k].second) << k;
    EXPECT_EQ(places[k].top, 30) << k;
  }
  EXPECT_EQ(focus, style_field);  // the last control made: the style box's field
  EXPECT_EQ(font, app.editor_font);

  const Texts edited{"新しいメモ", "横", "Drawlot-Seventy", "Size 01", "acad.ctb", "-"};
  for (int row : {0, 2}) {
    const Texts cells = Row(row);
    EXPECT_EQ(Texts(cells.begin() + 3, cells.end()), edited) << row;
  }
  EXPECT_EQ(Row(1)[3], "");
  EXPECT_EQ(Row(1)[5], "Drawlot-Mixed");
  EXPECT_EQ(app.rows->SelectedCount(), 0);
  // The enumeration's boxes: the prohibited queue's over the dialog, the 70 sizes' without owner.
  EXPECT_EQ(Boxes(), (Texts{"用紙種類が63個を超えました / Drawlot-Seventy",
                            "このプリンターは使用禁止に設定なっています / Foxit-PDF"}));
  EXPECT_EQ(prompter.shown[1].owner, reinterpret_cast<WindowRef>(dialog));
  EXPECT_EQ(app.printers.count, 5);
}

TEST_F(EditDialogTest, UnknownPrinterResetsToEntryZeroAndCancelChangesNothing) {
  for (int row : {0, 1}) MarkRow(*app.rows, row);
  app.rows->SetCell(0, 6, "B4 (JIS)");
  std::string printer, paper, paper_on_focus;
  Run(EditRowCommand, [&](HWND window) {
    // Only a focus change: the row's paper stays.
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kPrinterBox, CBN_SETFOCUS),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kPrinterBox)));
    PumpFor(700);
    paper_on_focus = Text(window, kPaperBox);
    SetDlgItemTextA(window, kPrinterBox, "Drawlot");  // typed: no printer is named so
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kPrinterBox, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kPrinterBox)));
    PumpFor(700);
    printer = Text(window, kPrinterBox);
    paper = Text(window, kPaperBox);
    Press(window, IDC_EDIT_CANCEL);
  });
  EXPECT_EQ(paper_on_focus, "B4 (JIS)");
  EXPECT_EQ(printer, "Drawlot-Japanese");
  EXPECT_EQ(paper, "Ａ４");
  EXPECT_EQ(Row(0)[5], "Drawlot-Mixed");
  EXPECT_EQ(Row(0)[6], "B4 (JIS)");
  EXPECT_EQ(Row(1)[6], "A3");
  EXPECT_EQ(SelectedRows(*app.rows), (std::vector<int>{0, 1}));
}

TEST_F(EditDialogTest, ColumnEditWritesTheFilledPaperToEveryRowAndHelpOpensPage04) {
  MarkRow(*app.rows, 1);
  std::string caption, printer_shown;
  Run(EditColumnCommand, [&](HWND window) {
    caption = WindowText(window);
    printer_shown = Text(window, kPrinterBox);
    Press(window, IDC_EDIT_HELP);
    SetDlgItemTextA(window, kPaperBox, "B4 (JIS)");
    Press(window, IDC_EDIT_OK);
  });
  EXPECT_EQ(caption, "列単位で編集　列で変更します。空欄は変更しない");
  EXPECT_EQ(printer_shown, "");
  EXPECT_EQ(opened, (Texts{"https://www.harrowby.example/Dw-HELP04.htm"}));
  EXPECT_EQ(Column(6), (Texts{"B4 (JIS)", "B4 (JIS)", "B4 (JIS)"}));
  EXPECT_EQ(Column(5), (Texts{"Drawlot-Mixed", "Drawlot-Mixed", "Drawlot-Mixed"}));
  EXPECT_EQ(Column(3), (Texts{"", "", ""}));
  EXPECT_EQ(app.rows->SelectedCount(), 0);
}

TEST_F(EditDialogTest, InitialValuesAreShownAndStoredForDisplayModeFourOnly) {
  std::string caption, printer_shown;
  Run(EditInitialValuesCommand, [&](HWND window) {
    caption = WindowText(window);
    printer_shown = Text(window, kPrinterBox);
    SetDlgItemTextA(window, kPrinterBox, "Drawlot-Japanese");
    SetDlgItemTextA(window, kMemoBox, "memo");
    PostMessageA(window, WM_CLOSE, 0, 0);  // the close box stores nothing
  });
  EXPECT_EQ(caption, "初期設定(印刷用)読込時に設定します");
  EXPECT_EQ(printer_shown, "Drawlot-Mixed");
  EXPECT_EQ(app.items.sets[0].items[6].initial_value, "Drawlot-Mixed");

  Run(EditInitialValuesCommand, [&](HWND window) {
    SetDlgItemTextA(window, kPrinterBox, "Drawlot-Japanese");
    SetDlgItemTextA(window, kMemoBox, "memo");
    Press(window, IDC_EDIT_OK);
  });
  EXPECT_EQ(app.items.sets[0].items[6].initial_value, "Drawlot-Japanese");
  EXPECT_EQ(app.items.sets[0].items[4].initial_value, "memo");
}

TEST_F(EditDialogTest, ControlsBeyondTheScreenAreReachedByScrolling) {
  // Fifty wide text items: fifty lines of 50 pixels, far more than a screen.
  ItemSlots& items = app.items.sets[0].items;
  for (int slot = 0; slot < kItemSlotCount; ++slot)
    items[slot] = Item("長い項目").display(4).edit(1).width(650);
  BuildColumns(*app.rows, items);
  RECT work{}, frame{}, ok_before{}, ok_after{}, client{};
  LONG style = 0;
  Run(EditColumnCommand, [&](HWND window) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    style = GetWindowLongA(window, GWL_STYLE);
    ok_before = PlaceOf(window, IDC_EDIT_OK);
    SendMessageA(window, WM_VSCROLL, SB_BOTTOM, 0);
    ok_after = PlaceOf(window, IDC_EDIT_OK);
    SetDlgItemTextA(window, 500 + 49, "last");
    Press(window, IDC_EDIT_OK);
  });
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_LE(frame.bottom - frame.top, work.bottom - work.top);
  EXPECT_GT(ok_before.top, client.bottom);  // below the shown part at first
  EXPECT_GE(ok_after.top, 0);
  EXPECT_LE(ok_after.bottom, client.bottom);  // scrolled into view
  EXPECT_EQ(Column(49), (Texts{"last", "last", "last"}));
}

}  // namespace
}  // namespace drawlot::testing
