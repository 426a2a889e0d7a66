// Dialog 12 under Wine, opened by command 37848 as the main window runs it, over the printers of
// the private CUPS that the test command starts (tools/test-cups.sh).
#include "win/list/file_name_rules_dialog.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "win/app/main_commands.h"
#include "win/list/adding_fixture.h"
#include "win/support/modal_answerer.h"
#include "win/support/pump_messages.h"

namespace drawlot::testing {
namespace {

const Texts kQueues{"Drawlot-Japanese", "Drawlot-Mixed", "Drawlot-Seventy", "Drawlot-SixtyThree",
                    "Foxit-PDF"};

class FileNameRulesDialogTest : public AddingFixture {
 protected:
  void SetUp() override {
    if (!std::getenv("CUPS_SERVER")) GTEST_SKIP() << "no test CUPS: run tools/test.sh";
    ApplyEnvironmentDefaults(app.settings, "C:\\");
    app.settings.print_paper_ab = '0';
    EnumeratePrinters(app.printers, app.settings, *app.spooler, prompter, 0);
    FileNameRules& rules = app.settings.file_set;
    rules.ps = '1';
    rules.fp_ps[1].search = "A1";
    rules.fp_ps[1].printer = "Drawlot-Mixed";
    rules.fp_ps[1].paper = "A3";
    rules.fp_ps[2].search = "B";
    rules.fp_ps[2].printer = "gone";
    rules.fp_ps[2].paper = "old paper";
    rules.search_d2 = "yoko";
  }
  static std::string Text(HWND dialog, int id) {
    char text[300] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }
  static Texts List(HWND dialog, int id) { return DropDownTexts(GetDlgItem(dialog, id)); }
};

TEST_F(FileNameRulesDialogTest, PaperListFollowsAChosenPrinterAndTheCloseBoxStores) {
  const Texts mixed_papers{"A4",        "Letter",   "A3",      "Legal", "B5 (JIS)",
                           "Executive", "B4 (JIS)", "Tabloid", "A2",    "Envelope b4"};
  ModalAnswerer answerer("ファイル名で印刷設定", [&](HWND dialog) {
    EXPECT_EQ(WindowText(dialog), "ファイル名で印刷設定");
    EXPECT_EQ(List(dialog, 124), kQueues);
    EXPECT_EQ(List(dialog, 137), mixed_papers);
    EXPECT_EQ(List(dialog, 136).front(), "Ａ４");  // "gone": the papers of the first printer
    EXPECT_EQ(Text(dialog, 102), "A1");
    EXPECT_EQ(Text(dialog, 111), "yoko");
    EXPECT_EQ(IsDlgButtonChecked(dialog, 105), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 109), static_cast<UINT>(BST_UNCHECKED));

    const HWND printer_box = GetDlgItem(dialog, 124);
    SendMessageA(printer_box, CB_SETCURSEL, 1, 0);
    PressDown(printer_box);  // Drawlot-Seventy
    PumpFor(150);
    EXPECT_EQ(List(dialog, 137), mixed_papers);
    PumpFor(600);
    EXPECT_EQ(List(dialog, 137).size(), 63u);
    EXPECT_EQ(Text(dialog, 137), "Size 01");

    // A typed name that no printer has leaves the paper list alone and is stored as typed.
    SetDlgItemTextA(dialog, 126, "typed printer");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(126, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, 126)));
    PumpFor(700);

    SetDlgItemTextA(dialog, 101, "ABCDEFGHIJ");
    SetDlgItemTextA(dialog, 110, "縦方向ab");  // 8 bytes: the last one goes
    SetDlgItemTextA(dialog, 135, std::string(70, 'p').c_str());
    CheckDlgButton(dialog, 109, BST_CHECKED);
    CheckDlgButton(dialog, 105, BST_UNCHECKED);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  });
  RunCommand(app, IDM_NAME_RULE_SETTINGS, 0);
  ASSERT_TRUE(answerer.answered());

  const FileNameRules& rules = app.settings.file_set;
  EXPECT_EQ(rules.fp_ps[0].search, "ABCDEFG");
  EXPECT_EQ(rules.fp_ps[1].printer, "Drawlot-Seventy");
  EXPECT_EQ(rules.fp_ps[1].paper, "Size 01");
  EXPECT_EQ(rules.fp_ps[2].printer, "gone");
  EXPECT_EQ(rules.fp_ps[2].paper, "old paper");
  EXPECT_EQ(rules.fp_ps[3].printer, "typed printer");
  EXPECT_EQ(rules.fp_ps[3].paper, std::string(63, 'p'));
  EXPECT_EQ(rules.search_d1, "縦方向a");
  EXPECT_EQ(rules.ps, '0');
  EXPECT_EQ(rules.chg_on, '1');
  EXPECT_EQ(rules.ds, '0');
}

}  // namespace
}  // namespace drawlot::testing
