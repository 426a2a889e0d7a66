// The script settings and script detail settings dialogs under Wine, run modally as the program
// runs them and driven from inside their loops as a user would; the partial scripts go through
// the system's real file dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/items/item_editing.h"
#include "core/items/item_set_files.h"
#include "resources/resource_ids.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "win/app/drawlot_run.h"
#include "win/app/main_window.h"
#include "win/items/script_details_dialog.h"
#include "win/items/script_settings_dialog.h"
#include "win/platform/list_view.h"
#include "win/support/file_dialog_answerer.h"
#include "win/support/modal_answerer.h"
#include "win/support/pump_messages.h"
#include "win/support/test_dialog_context.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

constexpr char kDetailsCaption[] = "スクリプト詳細設定";

void Press(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string Text(HWND dialog, int id) {
  return WindowText(GetDlgItem(dialog, id));
}

void Type(HWND dialog, int id, const char* text) {
  SetDlgItemTextA(dialog, id, text);
}

Texts ComboEntries(HWND dialog, int id) {
  return DropDownTexts(GetDlgItem(dialog, id));
}

// One column of the item list, or the whole of one row.
Texts ListColumn(HWND dialog, int column) {
  const HWND list = GetDlgItem(dialog, IDC_DETAIL_ITEM_LIST);
  Texts texts;
  for (int row = 0; row < list_view::ItemCount(list); ++row) {
    texts.push_back(list_view::ItemText(list, row, column));
  }
  return texts;
}

Texts ListRow(HWND dialog, int row) {
  const HWND list = GetDlgItem(dialog, IDC_DETAIL_ITEM_LIST);
  Texts texts;
  for (int column = 0; column < kItemListColumnCount; ++column) {
    texts.push_back(list_view::ItemText(list, row, column));
  }
  return texts;
}

// The column headers of a list view, each with its width when `widths` is set.
Texts Headers(HWND list, bool widths) {
  const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  Texts texts;
  for (int i = 0; i < Header_GetItemCount(header); ++i) {
    char text[32] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    texts.push_back(widths ? std::string(text) + " " + std::to_string(item.cxy) : text);
  }
  return texts;
}

void SelectRow(HWND dialog, int row) {
  const HWND list = GetDlgItem(dialog, IDC_DETAIL_ITEM_LIST);
  list_view::SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// Types an item into the edit row and presses "新規".
void AddItem(HWND dialog, const char* title, const char* output, const char* display,
             const char* edit, const char* width) {
  CheckDlgButton(dialog, IDC_DETAIL_ITEM_PRESENT, BST_CHECKED);
  Type(dialog, IDC_DETAIL_ITEM_TITLE, title);
  Type(dialog, IDC_DETAIL_OUTPUT_MODE, output);
  Type(dialog, IDC_DETAIL_DISPLAY_MODE, display);
  Type(dialog, IDC_DETAIL_EDIT_MODE, edit);
  Type(dialog, IDC_DETAIL_WIDTH, width);
  Press(dialog, IDC_DETAIL_ADD);
}

class ScriptItemDialogsTest : public ::testing::Test {
 protected:
  ScriptItemDialogsTest() {
    ClearTable(table);
    settings.autocad_type = '1';
    const char* titles[] = {"印刷", "変換", "", "隠れ"};
    for (int i = 0; i < 4; ++i) {
      table.sets[i].present = titles[i][0] ? 1 : 0;
      table.sets[i].title = titles[i];
    }
    table.sets[16].title = "十六番";
  }

  void RunSettings(const std::function<void(HWND)>& script) {
    ModalAnswerer answerer("スクリプト設定", script);
    RunScriptSettingsDialog(dialogs.context(), records);
    ASSERT_TRUE(answerer.answered());
  }
  void RunDetails(const std::function<void(HWND)>& script) {
    ModalAnswerer answerer(kDetailsCaption, script);
    RunScriptDetailsDialog(dialogs.context(), records);
    ASSERT_TRUE(answerer.answered());
  }
  // The dialogs' boxes, owned by the dialog: a note with OK, or a question with Yes and No.
  Message Note(HWND dialog, std::string_view text) const {
    return Box(reinterpret_cast<WindowRef>(dialog), text, "残念！", Icon::kNone);
  }
  Message Question(HWND dialog, std::string_view text) const {
    return Box(reinterpret_cast<WindowRef>(dialog), text, "確認！", Icon::kNone, Buttons::kYesNo);
  }

  TempFolder startup{"起動 表"};
  ScriptItemTable table;
  EnvironmentSettings settings{};
  int shown_set = 0;
  ScriptItemRecords records{table, settings, shown_set, startup.path()};
  TestDialogContext dialogs;
};

TEST_F(ScriptItemDialogsTest, SettingsChooseSetSixteenAfterTwoRefusals) {
  Texts entries;
  std::string shown;
  bool open_after_keys = false;
  bool open_after_refusals = false;
  HWND seen = nullptr;
  RunSettings([&](HWND dialog) {
    seen = dialog;
    entries = ComboEntries(dialog, IDC_SCRIPT_SET_CHOICE);
    shown = Text(dialog, IDC_SCRIPT_SET_CHOICE);
    Press(dialog, IDOK);      // Enter
    Press(dialog, IDCANCEL);  // Esc
    open_after_keys = IsWindowVisible(dialog);
    Press(dialog, IDC_SCRIPT_HELP);
    Type(dialog, IDC_SCRIPT_SET_CHOICE, "");
    Press(dialog, IDC_SCRIPT_OK);
    Type(dialog, IDC_SCRIPT_SET_CHOICE, "十六");
    Press(dialog, IDC_SCRIPT_OK);
    open_after_refusals = IsWindowVisible(dialog);
    Type(dialog, IDC_SCRIPT_SET_CHOICE, "十六番");  // not offered: beyond the empty title
    Press(dialog, IDC_SCRIPT_OK);
  });
  EXPECT_EQ(entries, (Texts{"印刷", "変換"}));
  EXPECT_EQ(shown, "変換");
  EXPECT_TRUE(open_after_keys);
  EXPECT_TRUE(open_after_refusals);
  ASSERT_EQ(dialogs.opened_pages.size(), 1u);
  EXPECT_TRUE(dialogs.opened_pages[0].ends_with("/Dw-HELP02.htm")) << dialogs.opened_pages[0];
  EXPECT_EQ(dialogs.prompter.shown, (Boxes{Note(seen, "Comboboxを再選択して下さい。"),
                                           Note(seen, "Comboboxの内容が登録内容と異なります。")}));
  EXPECT_EQ(settings.autocad_type, '@');
}

TEST_F(ScriptItemDialogsTest, DetailsAddReadMoveAndPageTheSets) {
  RunDetails([&](HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_DETAIL_ITEM_LIST);
    RECT frame{};
    GetWindowRect(list, &frame);
    EXPECT_EQ(frame.right - frame.left, 790);
    EXPECT_EQ(frame.bottom - frame.top, 370);
    EXPECT_EQ(Headers(list, true),
              (Texts{"有 30", "項目文字 80", "出力 60", "表示 70", "編集 70", "幅 30", "ｾﾚｸﾄ1 60",
                     "ｾﾚｸﾄ2 60", "ｾﾚｸﾄ3 60", "ｾﾚｸﾄ4 60", "ｾﾚｸﾄ5 60", "初期値 60", "ｺﾏﾝﾄﾞ 60"}));
    EXPECT_EQ(ComboEntries(dialog, IDC_DETAIL_OUTPUT_MODE),
              (Texts{"0:無", "1:COM+PS", "2:ｺﾏﾝﾄﾞ", "3:1文字", "4:全文字"}));
    EXPECT_EQ(ComboEntries(dialog, IDC_DETAIL_DISPLAY_MODE),
              (Texts{"0:非表示", "1:ﾌｧｲﾙ名", "2:ﾌｫﾙﾀﾞ名", "3:日時", "4:初期値"}));
    EXPECT_EQ(ComboEntries(dialog, IDC_DETAIL_EDIT_MODE),
              (Texts{"0:無", "1:text", "2:選択", "3:出力先", "4:用紙", "5:ｽﾀｲﾙ"}));

    AddItem(dialog, "図面名", "12", "1:ﾌｧｲﾙ名", "7", "120px");
    AddItem(dialog, "用紙", "4:全文字", "4:初期値", "4:用紙", "80");
    EXPECT_EQ(ListRow(dialog, 0), (Texts{"ON", "図面名", "1:COM+PS", "1:ﾌｧｲﾙ名", "Error", "120", "",
                                         "", "", "", "", "", ""}));
    SelectRow(dialog, 1);
    Press(dialog, IDC_DETAIL_MOVE_UP);
    EXPECT_EQ(ListColumn(dialog, 1), (Texts{"用紙", "図面名"}));
    EXPECT_EQ(list_view::FirstSelected(list), 0);
    Press(dialog, IDC_DETAIL_READ);
    EXPECT_EQ((Texts{Text(dialog, IDC_DETAIL_ITEM_TITLE), Text(dialog, IDC_DETAIL_OUTPUT_MODE),
                     Text(dialog, IDC_DETAIL_DISPLAY_MODE), Text(dialog, IDC_DETAIL_EDIT_MODE),
                     Text(dialog, IDC_DETAIL_WIDTH)}),
              (Texts{"用紙", "4:全文字", "4:初期値", "4:用紙", "80"}));
    Type(dialog, IDC_DETAIL_SET_TITLE, "新しい名前");
    Press(dialog, IDC_DETAIL_PREVIOUS_SET);  // stores the header of No0, shows No19
    EXPECT_EQ(Text(dialog, IDC_DETAIL_SET_NUMBER), "No19");
    EXPECT_EQ(Text(dialog, IDC_DETAIL_SET_TITLE), "");
    Press(dialog, IDC_DETAIL_HELP);
    Press(dialog, IDOK);      // Enter
    Press(dialog, IDCANCEL);  // Esc
    EXPECT_TRUE(IsWindowVisible(dialog));
    Press(dialog, IDC_DETAIL_CLOSE);
  });
  EXPECT_EQ(table.sets[0].title, "新しい名前");
  EXPECT_EQ(table.sets[0].items[1].edit_mode, 7);
  EXPECT_EQ(shown_set, 19);
  ASSERT_EQ(dialogs.opened_pages.size(), 1u);
  EXPECT_TRUE(dialogs.opened_pages[0].ends_with("/Dw-HELP03.htm")) << dialogs.opened_pages[0];
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // Reopened on No19; the close box drops a typed title.
  std::string reopened_on;
  RunDetails([&](HWND dialog) {
    reopened_on = Text(dialog, IDC_DETAIL_SET_NUMBER);
    Type(dialog, IDC_DETAIL_SET_TITLE, "捨てる");
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(reopened_on, "No19");
  EXPECT_EQ(table.sets[19].title, "");
}

TEST_F(ScriptItemDialogsTest, PartialScriptSavedAndLoadedThroughTheFileDialogs) {
  table.sets[0].title = "図面";
  table.sets[0].items[0] =
      ItemFromFields(ItemFields{true, "名前", "4", "1", "1", "100", {}, "", ""});
  TempFolder elsewhere{"部分"};
  DialogAnswer save;
  save.type_name = elsewhere.File("図面.dat");
  DialogAnswer load;
  load.type_name = elsewhere.File("図面.dat");
  std::string title_after_load;
  bool set_ticked_after_load = false;
  Texts rows_after_load;
  dialogs.prompter.answers = {Answer::kYes, Answer::kNo, Answer::kYes, Answer::kNo};
  HWND seen = nullptr;
  RunDetails([&](HWND dialog) {
    seen = dialog;
    Press(dialog, IDC_DETAIL_NEXT_SET);
    Press(dialog, IDC_DETAIL_PREVIOUS_SET);
    {
      ModalAnswerer answerer("部分スクリプトのDatファイル保存",
                             [&](HWND file_dialog) { AnswerFileDialog(file_dialog, save); });
      Press(dialog, IDC_DETAIL_SAVE_PARTIAL);
    }
    Press(dialog, IDC_DETAIL_NEXT_SET);  // load into set 1
    {
      ModalAnswerer answerer("部分スクリプトのDatファイル読込",
                             [&](HWND file_dialog) { AnswerFileDialog(file_dialog, load); });
      Press(dialog, IDC_DETAIL_LOAD_PARTIAL);
    }
    title_after_load = Text(dialog, IDC_DETAIL_SET_TITLE);
    set_ticked_after_load = IsDlgButtonChecked(dialog, IDC_DETAIL_SET_PRESENT) == BST_CHECKED;
    rows_after_load = ListColumn(dialog, 1);
    Press(dialog, IDC_DETAIL_CLOSE);
  });
  EXPECT_EQ(save.title, "部分スクリプトのDatファイル保存");
  // The dialog opens in the start-up folder with the rest of the proposed name in its field.
  EXPECT_EQ(save.folder, startup.path());
  EXPECT_EQ(save.name_field, "図面.dat");
  EXPECT_EQ(save.first_type, "DatFile(*.dat)");
  EXPECT_EQ(save.second_type, "");
  EXPECT_EQ(elsewhere.Read("図面.dat"), "0;名前;4;1;1;100;;;;;;;\r\n");
  EXPECT_EQ(load.title, "部分スクリプトのDatファイル読込");
  EXPECT_EQ(load.folder, startup.path());
  EXPECT_EQ(load.name_field, "*.dat");
  EXPECT_EQ(title_after_load, "図面");
  EXPECT_TRUE(set_ticked_after_load);
  EXPECT_EQ(rows_after_load, (Texts{"名前"}));
  EXPECT_EQ(table.sets[1].title, "図面");  // stored with the header at "閉じる"
  EXPECT_EQ(table.sets[1].present, 1);
  EXPECT_EQ(table.last_partial_script_path, elsewhere.File("図面.dat"));
  EXPECT_EQ(dialogs.prompter.shown, (Boxes{Question(seen, "部分スクリプトを保存しますか。"),
                                           Question(seen, "やっぱり保存やめますか。"),
                                           Question(seen, "部分スクリプトを読込しますか。"),
                                           Question(seen, "やっぱり読込やめますか。")}));
}

// ---- The whole program: a set made in the dialogs, current, and there at the next start ----

// Posts `command` to the main window once it is up; a timer procedure has no parameter of its
// own, so the command waits here.
UINT g_command_for_main_window = 0;

void CALLBACK PostCommandToMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND window = FindWindowA(kMainWindowClass, nullptr);
  if (!window) return;
  KillTimer(nullptr, timer);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(g_command_for_main_window, 0), 0);
}

void RunProgram(const TempFolder& folder, UINT command, const std::function<void(HWND)>& script) {
  RecordingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  g_command_for_main_window = command;
  SetTimer(nullptr, 0, 10, PostCommandToMainWindow);
  ModalAnswerer answerer("スクリプト設定", script);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  EXPECT_TRUE(answerer.answered());
}

TEST(ScriptItemDialogsRun, ASetMadeInTheDialogsIsCurrentAndComesBackAtTheNextStart) {
  TempFolder folder("新しいセット");
  // First start in an empty folder: make sets 0 and 1 in the details, choose set 1, quit.
  Texts renamed;
  RunProgram(folder, IDM_SCRIPT_SETTINGS, [&](HWND dialog) {
    ModalAnswerer details(kDetailsCaption, [&](HWND inner) {
      CheckDlgButton(inner, IDC_DETAIL_SET_PRESENT, BST_CHECKED);
      Type(inner, IDC_DETAIL_SET_TITLE, "最初");
      Press(inner, IDC_DETAIL_NEXT_SET);
      CheckDlgButton(inner, IDC_DETAIL_SET_PRESENT, BST_CHECKED);
      Type(inner, IDC_DETAIL_SET_TITLE, "私のセット");
      AddItem(inner, "図面", "0", "1", "0", "150");
      AddItem(inner, "開く", "2", "0", "0", "0");
      AddItem(inner, "用紙", "4", "4", "1", "60");
      Press(inner, IDC_DETAIL_CLOSE);
    });
    Press(dialog, IDC_SCRIPT_DETAILS);
    renamed = {Text(dialog, IDC_SCRIPT_SET_CHOICE)};  // set 0, current, renamed in the details
    for (const std::string& title : ComboEntries(dialog, IDC_SCRIPT_SET_CHOICE)) {
      renamed.push_back(title);
    }
    Type(dialog, IDC_SCRIPT_SET_CHOICE, "私のセット");
    Press(dialog, IDC_SCRIPT_OK);
    PostMessageA(GetWindow(dialog, GW_OWNER), WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
  });
  EXPECT_EQ(renamed, (Texts{"最初", "最初", "私のセット"}));
  EXPECT_EQ(folder.Read(kItemSetFileName),
            "1;0;図面;0;1;0;150;;;;;;;\r\n1;1;開く;2;0;0;0;;;;;;;\r\n1;2;用紙;4;4;1;60;;;;;;;\r\n");

  // Next start: the set is back and current, and the list's columns and status bar follow it.
  ScriptItemTable read{};
  ASSERT_EQ(LoadSetTitles(read, folder.path()), 0);
  EXPECT_EQ(read.sets[0].title, "最初");
  EXPECT_EQ(read.sets[1].title, "私のセット");
  Texts offered;
  RunProgram(folder, IDM_SCRIPT_SETTINGS, [&](HWND dialog) {
    offered = {Text(dialog, IDC_SCRIPT_SET_CHOICE)};
    const HWND main = GetWindow(dialog, GW_OWNER);
    const HWND list = GetDlgItem(main, IDC_DRAWING_LIST);
    for (const std::string& title : Headers(list, false)) offered.push_back(title);
    Press(dialog, IDC_SCRIPT_CANCEL);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
  });
  EXPECT_EQ(offered, (Texts{"私のセット", "図面", "用紙"}));
}

}  // namespace
}  // namespace drawlot::testing
