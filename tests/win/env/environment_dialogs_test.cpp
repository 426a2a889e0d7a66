// The printer list, environment and About dialogs under Wine, opened as the main window opens
// them (modal ones answered from a timer inside their loop) or created modeless and driven with
// messages as a user's clicks send them.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_file_system.h"
#include "support/recording_prompter.h"
#include "support/scripted_file_name_picker.h"
#include "support/temp_folder.h"
#include "win/app/main_window.h"
#include "win/env/about_dialog.h"
#include "win/env/environment_dialog.h"
#include "win/platform/list_view.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char kEnvironmentTitle[] = "環境設定";

void DrainMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string ItemText(HWND dialog, int id) {
  char text[600] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

Texts ListBoxEntries(HWND dialog) {
  Texts entries;
  const HWND list = GetDlgItem(dialog, IDC_ENV_PROHIBITED_LIST);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int k = 0; k < count; ++k) {
    char text[128] = {};
    SendMessageA(list, LB_GETTEXT, k, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

Texts Prohibited(const EnvironmentSettings& settings) {
  Texts entries;
  for (const auto& entry : settings.prohibition_print) entries.push_back(entry.str());
  return entries;
}

std::string ColumnTitle(HWND list, int column) {
  char title[64] = {};
  LVCOLUMNA info{};
  info.mask = LVCF_TEXT;
  info.pszText = title;
  info.cchTextMax = sizeof title;
  SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
  return title;
}

// What dialog 5 showed, read while it was up.
struct PrinterRows {
  HWND dialog = nullptr;
  int columns = 0;
  Texts titles;  // columns 0, 1 and 63
  std::vector<int> widths;
  Texts names;
  std::vector<LPARAM> params;
  Texts mixed_row;  // cells 1 to 11 of the row "Drawlot-Mixed"
  std::string foxit_paper;
  RECT list_rect{};
  DWORD extended = 0;
};

PrinterRows ReadPrinterRows(HWND dialog) {
  PrinterRows rows;
  rows.dialog = dialog;
  const HWND list = GetDlgItem(dialog, IDC_PRINTER_LIST);
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  rows.columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column : {0, 1, 63}) {
    rows.titles.push_back(ColumnTitle(list, column));
    rows.widths.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)));
  }
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    rows.names.push_back(list_view::ItemText(list, row, 0));
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    rows.params.push_back(item.lParam);
  }
  for (int column = 1; column <= 11 && count > 1; ++column) {
    rows.mixed_row.push_back(list_view::ItemText(list, 1, column));
  }
  if (count > 4) rows.foxit_paper = list_view::ItemText(list, 4, 1);
  GetWindowRect(list, &rows.list_rect);
  rows.extended = static_cast<DWORD>(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  return rows;
}

class EnvironmentDialogsTest : public ::testing::Test {
 protected:
  EnvironmentDialogsTest() {
    app_.pickers.file_name = &picker_;
    app_.open_web_page = [this](const std::string& address) { opened_.push_back(address); };
  }

  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    if (dialog_ && IsWindow(dialog_->window())) DestroyWindow(dialog_->window());
    DrainMessages();
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  // The main window in the start-up folder, with "plot_set.ini" there or not.
  void OpenMainWindow(bool with_settings) {
    if (with_settings) {
      EnvironmentSettings settings{};
      ApplyEnvironmentDefaults(settings, folder_.path());
      folder_.Write(kEnvironmentFileName, SerializeEnvironmentSettings(settings));
    }
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
    WaitForStartupPrinters(app_);  // read on a worker
  }

  void Command(int id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  TempFolder folder_{"環境"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  ScriptedFileNamePicker picker_;
  Texts opened_;
  HWND window_ = nullptr;
  // A modeless copy of the environment dialog, opened as the start-up opens it.
  HWND OpenEnvironment() {
    dialog_ = OpenEnvironmentDialog(app_.dialog_context(), app_.environment_records());
    return dialog_ ? dialog_->window() : nullptr;
  }

  std::unique_ptr<Dialog> dialog_;
};

// ---- Dialog 5 ----------------------------------------------------------------------------------

TEST_F(EnvironmentDialogsTest, PrinterListShowsTheQueuesOfTheSpoolerInSixtyFourColumns) {
  if (!std::getenv("CUPS_SERVER")) GTEST_SKIP() << "no test CUPS: run tools/test.sh";
  OpenMainWindow(true);
  app_.settings.print_paper_ab = '0';
  prompter_.shown.clear();  // the start-up enumeration's box about Foxit-PDF

  PrinterRows rows;
  {
    const ModalAnswerer answerer("プリンタと用紙の列挙", [&](HWND dialog) {
      rows = ReadPrinterRows(dialog);
      PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    Command(IDM_PRINTERS);
    ASSERT_TRUE(answerer.answered());
  }
  EXPECT_EQ(GetWindow(rows.dialog, GW_OWNER), nullptr);  // gone with its modal loop
  EXPECT_EQ(rows.columns, 64);
  EXPECT_EQ(rows.titles, (Texts{"プリンタ名", "用紙ｻｲｽ1", "用紙ｻｲｽ63"}));
  EXPECT_EQ(rows.widths, (std::vector<int>{180, 130, 130}));
  EXPECT_EQ(rows.names, (Texts{"Drawlot-Japanese", "Drawlot-Mixed", "Drawlot-Seventy",
                               "Drawlot-SixtyThree", "Foxit-PDF"}));
  EXPECT_EQ(rows.params, (std::vector<LPARAM>{0, 1, 2, 3, 4}));
  EXPECT_EQ(rows.mixed_row, (Texts{"A4", "Letter", "A3", "Legal", "B5 (JIS)", "Executive",
                                   "B4 (JIS)", "Tabloid", "A2", "Envelope b4", ""}));
  EXPECT_EQ(rows.foxit_paper, "Prohibition");
  EXPECT_EQ(rows.list_rect.right - rows.list_rect.left, 890);
  EXPECT_EQ(rows.list_rect.bottom - rows.list_rect.top, 242);
  EXPECT_EQ(rows.extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
            static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
  // Opening it enumerated again: the 70-size queue (no owner) and Foxit (owned by the dialog).
  ASSERT_EQ(prompter_.shown.size(), 2u);
  EXPECT_EQ(prompter_.shown[0].title, "Drawlot-Seventy");
  EXPECT_EQ(prompter_.shown[0].owner, 0u);
  EXPECT_EQ(prompter_.shown[1].title, "Foxit-PDF");
  EXPECT_EQ(prompter_.shown[1].owner, reinterpret_cast<WindowRef>(rows.dialog));

  // The toolbar button opens the same dialog.
  const ModalAnswerer again("プリンタと用紙の列挙",
                            [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
  Command(IDT_PRINTERS);
  EXPECT_TRUE(again.answered());
}

// ---- Dialog 2 ----------------------------------------------------------------------------------

TEST_F(EnvironmentDialogsTest, OkStoresPathsSixteenProhibitedEntriesAndThePaperRestriction) {
  app_.settings.autocad_file = "C:\\ACAD\\acad.exe";
  app_.settings.temp_file = "C:\\作業\\atcprint.scr";
  app_.settings.end_file_dwg = "C:\\作業\\endfile.dwg";
  app_.settings.prohibition_print[0] = "Foxit";
  app_.settings.prohibition_print[2] = "Microsoft";  // after an empty entry: shown all the same
  app_.settings.print_paper_ab = '1';
  const HWND dialog = OpenEnvironment();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(IsWindowVisible(dialog));

  EXPECT_EQ(ItemText(dialog, IDC_ENV_AUTOCAD_FILE), "C:\\ACAD\\acad.exe");
  EXPECT_EQ(ItemText(dialog, IDC_ENV_TEMP_FILE), "C:\\作業\\atcprint.scr");
  EXPECT_EQ(ItemText(dialog, IDC_ENV_END_FILE), "C:\\作業\\endfile.dwg");
  EXPECT_EQ(ListBoxEntries(dialog), (Texts{"Foxit", "Microsoft"}));
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ENV_PAPER_AB), static_cast<UINT>(BST_CHECKED));

  // Entries go in in the order added (an empty one too, and a long one cut to 62 bytes without
  // half a character); the selected one is deleted.
  const std::string long_name = std::string(61, 'L') + "表示";
  for (const std::string& text : Texts{"Zeta", "", long_name}) {
    SetDlgItemTextA(dialog, IDC_ENV_PROHIBITED_TEXT, text.c_str());
    Click(dialog, IDC_ENV_PROHIBITED_ADD);
  }
  SendDlgItemMessageA(dialog, IDC_ENV_PROHIBITED_LIST, LB_SETCURSEL, 1, 0);
  Click(dialog, IDC_ENV_PROHIBITED_DELETE);
  for (int k = 1; k <= 15; ++k) {
    SetDlgItemTextA(dialog, IDC_ENV_PROHIBITED_TEXT, ("P" + std::to_string(k)).c_str());
    Click(dialog, IDC_ENV_PROHIBITED_ADD);
  }
  const Texts listed = ListBoxEntries(dialog);
  ASSERT_EQ(listed.size(), 19u);
  EXPECT_EQ(Texts(listed.begin(), listed.begin() + 5),
            (Texts{"Foxit", "Zeta", "", std::string(61, 'L'), "P1"}));
  SetDlgItemTextA(dialog, IDC_ENV_AUTOCAD_FILE, ("C:\\" + std::string(300, 'a')).c_str());
  CheckDlgButton(dialog, IDC_ENV_PAPER_AB, BST_UNCHECKED);
  Click(dialog, IDC_ENV_OK);

  EXPECT_FALSE(IsWindow(dialog));  // the modeless copy is destroyed
  EXPECT_EQ(app_.settings.autocad_file.view(), "C:\\" + std::string(256, 'a'));
  EXPECT_EQ(app_.settings.temp_file.view(), "C:\\作業\\atcprint.scr");
  // The first 16 entries that are not empty, in list order.
  EXPECT_EQ(Prohibited(app_.settings),
            (Texts{"Foxit", "Zeta", std::string(61, 'L'), "P1", "P2", "P3", "P4", "P5", "P6", "P7",
                   "P8", "P9", "P10", "P11", "P12", "P13"}));
  EXPECT_EQ(app_.settings.print_paper_ab, '0');
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(EnvironmentDialogsTest, BrowseKeepsTheTypedPathEvenWhenPickerAndDialogAreCancelled) {
  const EnvironmentSettings before = [&] {
    app_.settings.prohibition_print[0] = "Foxit";
    app_.settings.print_paper_ab = '1';
    return app_.settings;
  }();
  HWND dialog = OpenEnvironment();
  ASSERT_NE(dialog, nullptr);

  SetDlgItemTextA(dialog, IDC_ENV_AUTOCAD_FILE, "D:\\打ち込み\\aclt.exe");
  Click(dialog, IDC_ENV_BROWSE_AUTOCAD);  // the picker is cancelled
  picker_.answers.push_back("E:\\終了\\endfile.dwg");
  Click(dialog, IDC_ENV_BROWSE_END);
  picker_.answers.push_back(std::nullopt);
  Click(dialog, IDC_ENV_BROWSE_TEMP);
  EXPECT_EQ(ItemText(dialog, IDC_ENV_END_FILE), "E:\\終了\\endfile.dwg");

  ASSERT_EQ(picker_.asked.size(), 3u);
  const FileDialogRequest& autocad = picker_.asked[0];
  EXPECT_EQ(autocad.owner, reinterpret_cast<WindowRef>(dialog));
  EXPECT_EQ(autocad.kind, FileDialogKind::kOpen);
  EXPECT_EQ(autocad.title, "AutoCadの在処を指定");
  EXPECT_EQ(autocad.initial_name, "D:\\打ち込み\\aclt.exe");
  EXPECT_TRUE(autocad.hide_read_only);
  ASSERT_EQ(autocad.filters.size(), 2u);
  EXPECT_EQ(autocad.filters[0].description + autocad.filters[0].pattern, "AutoCad(*.exe)*.exe");
  EXPECT_EQ(autocad.filters[1].description + autocad.filters[1].pattern, "ALLFile(*.*)*.*");
  EXPECT_EQ(picker_.asked[1].title, "EndFile.dwgの在処を指定");
  EXPECT_EQ(picker_.asked[1].filters[0].description, "EndFile(*.dwg)");
  EXPECT_EQ(picker_.asked[2].title, "スクリプトファイルを一時保管する場所を指定");
  EXPECT_EQ(picker_.asked[2].filters[0].pattern, "*.scr");

  // Help leaves the dialog open.
  Click(dialog, IDC_ENV_HELP);
  EXPECT_EQ(opened_, Texts{"https://www.harrowby.example/Dw-HELP01.htm"});
  EXPECT_TRUE(IsWindow(dialog));

  // Cancel keeps what the browse buttons stored, and nothing else.
  SetDlgItemTextA(dialog, IDC_ENV_PROHIBITED_TEXT, "Canon");
  Click(dialog, IDC_ENV_PROHIBITED_ADD);
  CheckDlgButton(dialog, IDC_ENV_PAPER_AB, BST_UNCHECKED);
  Click(dialog, IDC_ENV_CANCEL);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(app_.settings.autocad_file.view(), "D:\\打ち込み\\aclt.exe");
  EXPECT_EQ(app_.settings.end_file_dwg.view(), "E:\\終了\\endfile.dwg");
  EXPECT_EQ(app_.settings.temp_file, before.temp_file);
  EXPECT_EQ(Prohibited(app_.settings), Prohibited(before));
  EXPECT_EQ(app_.settings.print_paper_ab, '1');

  // The close box closes without storing too.
  dialog = OpenEnvironment();
  SetDlgItemTextA(dialog, IDC_ENV_TEMP_FILE, "X:\\changed.scr");
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(app_.settings.temp_file, before.temp_file);
}

TEST_F(EnvironmentDialogsTest, AutomaticDetectionFillsThePathBoxesOnly) {
  InMemoryFileSystem files;
  files.SetDriveType('c', DriveType::kFixed);
  files.SetDriveType('d', DriveType::kFixed);
  files.AddFile("C:\\AutoCAD\\acad.exe");
  files.AddFile("D:\\LT\\aclt.exe");
  files.AddFile("C:\\work\\atcprint.scr");
  app_.drawing_sources.files = &files;
  const EnvironmentSettings before = app_.settings;
  const HWND dialog = OpenEnvironment();
  ASSERT_NE(dialog, nullptr);

  prompter_.answers = {Answer::kYes};
  Click(dialog, IDC_ENV_DETECT);

  EXPECT_EQ(ItemText(dialog, IDC_ENV_AUTOCAD_FILE), "D:\\LT\\aclt.exe");
  EXPECT_EQ(ItemText(dialog, IDC_ENV_TEMP_FILE), "C:\\work\\atcprint.scr");
  EXPECT_EQ(ItemText(dialog, IDC_ENV_END_FILE), folder_.path() + "\\endfile.dwg");
  Texts boxes;
  for (const Message& box : prompter_.shown) {
    EXPECT_EQ(box.owner, reinterpret_cast<WindowRef>(dialog));
    boxes.push_back(box.title + "|" + box.text);
  }
  EXPECT_EQ(boxes, (Texts{"環境設定の自動設定|自動で設定してもいいですか？",
                          "ファイル検索|endfile.dwgが固定ドライブ上にありませんでした。",
                          "環境設定の自動設定|内容を確認して下さい"}));
  // The waiting window is gone again, and nothing is stored before OK.
  EXPECT_EQ(FindWindowA("#32770", nullptr), dialog);
  EXPECT_EQ(app_.settings.autocad_file, before.autocad_file);
  Click(dialog, IDC_ENV_CANCEL);
  EXPECT_EQ(app_.settings.autocad_file, before.autocad_file);
}

TEST_F(EnvironmentDialogsTest, StartUpCopyAndMenuCopyWorkOnTheSameRecord) {
  OpenMainWindow(false);  // no "plot_set.ini": the dialog opens beside the main window
  const HWND startup_copy = FindWindowA("#32770", kEnvironmentTitle);
  ASSERT_NE(startup_copy, nullptr);
  EXPECT_EQ(GetWindow(startup_copy, GW_OWNER), window_);
  EXPECT_TRUE(IsWindowVisible(startup_copy));
  EXPECT_EQ(ItemText(startup_copy, IDC_ENV_TEMP_FILE), app_.settings.temp_file.view());
  const std::string default_autocad = app_.settings.autocad_file.str();
  EXPECT_EQ(ItemText(startup_copy, IDC_ENV_AUTOCAD_FILE), default_autocad);

  SendMessageA(GetDlgItem(window_, IDC_STATUS_BAR), SB_SETTEXTA, 0,
               reinterpret_cast<LPARAM>("stale"));
  {
    const ModalAnswerer answerer(kEnvironmentTitle, [](HWND dialog) {
      SetDlgItemTextA(dialog, IDC_ENV_AUTOCAD_FILE, "C:\\menu\\aclt.exe");
      Click(dialog, IDC_ENV_OK);
    });
    // The answerer must find the menu's copy, not the start-up one: hide that meanwhile.
    ShowWindow(startup_copy, SW_HIDE);
    Command(IDM_ENVIRONMENT);
    ShowWindow(startup_copy, SW_SHOW);
    ASSERT_TRUE(answerer.answered());
  }
  EXPECT_EQ(app_.settings.autocad_file.view(), "C:\\menu\\aclt.exe");
  char status[300] = {};
  SendMessageA(GetDlgItem(window_, IDC_STATUS_BAR), SB_GETTEXTA, 0,
               reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(std::string(status), app_.settings.file_folder.view());  // refreshed after it

  // The start-up copy still shows what it was opened with, and its OK stores that.
  ASSERT_TRUE(IsWindow(startup_copy));
  Click(startup_copy, IDC_ENV_OK);
  EXPECT_FALSE(IsWindow(startup_copy));
  EXPECT_EQ(app_.settings.autocad_file.view(), default_autocad);
}

// ---- Dialog 1 ----------------------------------------------------------------------------------

BOOL CALLBACK CollectAbout(HWND window, LPARAM found) {
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (std::string(title) == "このソフトについて") {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

TEST_F(EnvironmentDialogsTest, EachAboutCommandOpensANewModelessCopyWithItsPicture) {
  OpenMainWindow(true);
  Command(IDM_ABOUT);
  Command(IDM_ABOUT);
  std::vector<HWND> copies;
  EnumThreadWindows(GetCurrentThreadId(), CollectAbout, reinterpret_cast<LPARAM>(&copies));
  ASSERT_EQ(copies.size(), 2u);
  for (const HWND copy : copies) {
    EXPECT_EQ(GetWindow(copy, GW_OWNER), window_);
    EXPECT_TRUE(IsWindowVisible(copy));
    DIBSECTION picture{};
    const auto bitmap = static_cast<HBITMAP>(GetPropA(copy, kAboutPictureProperty));
    ASSERT_EQ(GetObjectA(bitmap, sizeof picture, &picture), static_cast<int>(sizeof picture));
    EXPECT_EQ(picture.dsBm.bmWidth, 128);
    EXPECT_EQ(picture.dsBm.bmHeight, 64);
    EXPECT_EQ(picture.dsBm.bmBitsPixel, 8);
  }
  EXPECT_EQ(ItemText(copies[0], IDC_ABOUT_OK), "ＯＫ");
  Click(copies[0], IDC_ABOUT_OK);
  EXPECT_FALSE(IsWindow(copies[0]));
  SendMessageA(copies[1], WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(copies[1]));
}

// The keys reach the modeless copies through the program's own loop: Enter is OK in the
// start-up environment dialog (it stores what was typed), Esc closes an About box.
void PressKey(HWND control, WPARAM key) {
  PostMessageA(control, WM_KEYDOWN, key, 1);
  PostMessageA(control, WM_KEYUP, key, 0xC0000001);
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchQueuedMessage(message);
}

TEST_F(EnvironmentDialogsTest, EnterAndEscWorkInTheModelessCopies) {
  OpenMainWindow(false);
  const HWND startup_copy = FindWindowA("#32770", kEnvironmentTitle);
  ASSERT_NE(startup_copy, nullptr);
  SetDlgItemTextA(startup_copy, IDC_ENV_AUTOCAD_FILE, "C:\\typed\\aclt.exe");
  PressKey(GetDlgItem(startup_copy, IDC_ENV_AUTOCAD_FILE), VK_RETURN);
  EXPECT_FALSE(IsWindow(startup_copy));
  EXPECT_EQ(app_.settings.autocad_file.view(), "C:\\typed\\aclt.exe");

  Command(IDM_ABOUT);
  const HWND about = FindWindowA("#32770", "このソフトについて");
  ASSERT_NE(about, nullptr);
  PressKey(GetDlgItem(about, IDC_ABOUT_OK), VK_ESCAPE);
  EXPECT_FALSE(IsWindow(about));
}

}  // namespace
}  // namespace drawlot::testing
