// The preview pane as a user meets it: "プレビュー" shows it beside the list, the pane follows
// the focused row through a DWG with a BMP, a DWG with a PNG, a DXF and a missing drawing, the
// bar is dragged, and drawlot.ini keeps the pane at the end.
#include "win/app/preview_pane.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "support/drawing_builder.h"
#include "win/app/main_window_fixture.h"
#include "win/list/adding_fixture.h"
#include "win/support/pump_messages.h"

namespace drawlot::testing {
namespace {

class PreviewPaneTest : public MainWindowTest {
 protected:
  void SetUp() override {
    WritePreparedSettings(folder_);
    Open();
    RECT wanted{0, 0, 600, 400};
    AdjustWindowRectEx(&wanted, WS_OVERLAPPEDWINDOW, TRUE, 0);
    SetWindowPos(window_, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
  void AddDrawing(const std::string& name, const std::string& bytes) {
    const int row = app_.rows->InsertRow(app_.rows->RowCount(), name, kIconDwg, app_.tags.Next());
    app_.rows->SetCell(row, 1, drawings_.path());
    if (bytes.empty()) return;
    drawings_.Write(name, bytes);
    ASSERT_TRUE(SetLocalWriteTime(drawings_.File(name), 2026, 12, 8, 10, 15));
  }
  std::string Text(int id) {
    char text[200] = {};
    GetWindowTextA(Child(id), text, sizeof text);
    return text;
  }
  RECT Place(int id) {
    RECT place{};
    GetWindowRect(Child(id), &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    return place;
  }
  // Focuses `row` and waits for the pane's line to say `line`.
  bool Focus(int row, const std::string& line) {
    app_.rows->SetRowState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    return PumpUntil([&] { return Text(IDC_PREVIEW_TEXT) == line; });
  }
  // The colour the picture shows at its centre, as the control paints it.
  COLORREF CentreColour() {
    RECT client{};
    GetClientRect(Child(IDC_PREVIEW_PICTURE), &client);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(Child(IDC_PREVIEW_PICTURE), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                 PRF_CLIENT);
    const COLORREF colour = GetPixel(dc, client.right / 2, client.bottom / 2);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return colour;
  }
  TempFolder drawings_{"図面 表"};
};

TEST_F(PreviewPaneTest, ThePaneFollowsTheFocusBesideTheListAndKeepsItsWidth) {
  AddDrawing("A-101_r3.dwg", Dwg("AC1032", {{1, "head"}, {2, SolidDib(8, 4, 0xFF0000)}}));
  AddDrawing("png.dwg", Dwg("AC1027", {{6, SolidPng(6, 3, 0x0000FF)}}, 2048));
  AddDrawing("plan.dxf", Dxf("AC1018", SolidDib(4, 4, 0x00FF00)));
  AddDrawing("bare.dwg", Dwg("AC1015", {}));
  AddDrawing("gone.dwg", "");
  EXPECT_FALSE(IsWindowVisible(Child(IDC_PREVIEW_PICTURE)));

  Command(IDM_PREVIEW);
  EXPECT_EQ(GetMenuState(GetMenu(window_), IDM_PREVIEW, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  // The list keeps its corner and gives the pane its default width and the bar.
  const RECT list = Place(IDC_DRAWING_LIST), picture = Place(IDC_PREVIEW_PICTURE),
             text = Place(IDC_PREVIEW_TEXT);
  EXPECT_EQ((std::vector<LONG>{list.left, list.top, list.right, list.bottom}),
            (std::vector<LONG>{0, 40, 335, 380}));
  EXPECT_EQ((std::vector<LONG>{picture.left, picture.top, picture.right, picture.bottom}),
            (std::vector<LONG>{340, 40, 600, 346}));
  EXPECT_EQ((std::vector<LONG>{text.left, text.top, text.right, text.bottom}),
            (std::vector<LONG>{340, 346, 600, 380}));

  const struct {
    const char* line;
    const char* picture_text;
    COLORREF centre;
  } kRows[] = {
      {"AutoCAD 2018 形式 (AC1032)　1 KB　2026/12/08 10:15", "", RGB(255, 0, 0)},
      {"AutoCAD 2013 形式 (AC1027)　3 KB　2026/12/08 10:15", "", RGB(0, 0, 255)},
      {"AutoCAD 2004 形式 (AC1018)　1 KB　2026/12/08 10:15", "", RGB(0, 255, 0)},
      {"AutoCAD 2000 形式 (AC1015)　1 KB　2026/12/08 10:15", "プレビューはありません",
       GetSysColor(COLOR_WINDOW)},
      {"図面が見つかりません", "図面が見つかりません", GetSysColor(COLOR_WINDOW)},
  };
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(row);
    ASSERT_TRUE(Focus(row, kRows[row].line)) << Text(IDC_PREVIEW_TEXT);
    EXPECT_EQ(Text(IDC_PREVIEW_PICTURE), kRows[row].picture_text);
    EXPECT_EQ(CentreColour(), kRows[row].centre);
  }
  // Going back is answered from the cache, the same picture again.
  ASSERT_TRUE(Focus(0, kRows[0].line));
  EXPECT_EQ(CentreColour(), RGB(255, 0, 0));

  // The bar dragged to the left widens the pane; the width goes to drawlot.ini at the end.
  SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(337, 200));
  SendMessageA(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 200));
  SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
  EXPECT_EQ(Place(IDC_DRAWING_LIST).right, 297);
  EXPECT_EQ(Place(IDC_PREVIEW_PICTURE).left, 302);
  SaveSettingsFilesAtExit(app_);
  EXPECT_EQ(folder_.Read("drawlot.ini"), "preview_pane=1\r\npreview_width=298\r\n");

  // Hidden again, the list has the whole width.
  Command(IDM_PREVIEW);
  EXPECT_FALSE(IsWindowVisible(Child(IDC_PREVIEW_PICTURE)));
  EXPECT_EQ(Place(IDC_DRAWING_LIST).right, 600);
}

}  // namespace
}  // namespace drawlot::testing
