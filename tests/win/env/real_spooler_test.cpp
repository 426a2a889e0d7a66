// The printer catalogue built from Wine's real spooler over the private CUPS that the test
// command starts (tools/test-cups.sh): queue order, ports, paper names in PPD order, Japanese
// names, the 63-name limit and the prohibited "Foxit" queue.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/env/printer_enumeration.h"
#include "support/recording_prompter.h"
#include "win/platform/win32_print_spooler.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x4321;

Texts Papers(const PrinterEntry& entry) {
  Texts names;
  for (int k = 0; k < entry.PaperCount(); ++k) names.push_back(entry.papers[k].str());
  return names;
}

Texts NumberedSizes(int count) {
  Texts names;
  for (int k = 1; k <= count; ++k)
    names.push_back((k < 10 ? "Size 0" : "Size ") + std::to_string(k));
  return names;
}

class RealSpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("CUPS_SERVER")) GTEST_SKIP() << "no test CUPS: run tools/test.sh";
    ApplyEnvironmentDefaults(settings_, "C:\\");  // prohibits "Foxit"
    settings_.print_paper_ab = '0';
  }

  void Enumerate() { EnumeratePrinters(catalog_, settings_, spooler_, prompter_, kOwner); }

  EnvironmentSettings settings_{};
  Win32PrintSpooler spooler_;
  RecordingPrompter prompter_;
  PrinterCatalog catalog_;
};

TEST_F(RealSpoolerTest, ListsTheQueuesInOrderWithTheirPorts) {
  const auto printers = spooler_.Printers();
  ASSERT_TRUE(printers.has_value());
  Texts names;
  for (const SpoolerPrinter& printer : *printers) {
    names.push_back(printer.name);
    EXPECT_EQ(printer.port, "CUPS:" + printer.name);
  }
  EXPECT_EQ(names, (Texts{"Drawlot-Japanese", "Drawlot-Mixed", "Drawlot-Seventy",
                          "Drawlot-SixtyThree", "Foxit-PDF"}));
}

TEST_F(RealSpoolerTest, CatalogueHoldsWhatTheDriversReport) {
  Enumerate();
  ASSERT_EQ(catalog_.count, 5);
  EXPECT_EQ(catalog_.printers[1].name, "Drawlot-Mixed");
  // Shift-JIS names; the last one's character across byte 64 is left out whole.
  EXPECT_EQ(Papers(catalog_.printers[0]),
            (Texts{"Ａ４", "Ｂ５（ＪＩＳ）", "はがき", "長形３号封筒", "Ａ３ 横長",
                   "x長長長長長長長長長長長長長長長長長長長長長長長長長長長長長長長"}));
  EXPECT_EQ(Papers(catalog_.printers[1]),
            (Texts{"A4", "Letter", "A3", "Legal", "B5 (JIS)", "Executive", "B4 (JIS)", "Tabloid",
                   "A2", "Envelope b4"}));
  EXPECT_EQ(Papers(catalog_.printers[2]), NumberedSizes(63));
  EXPECT_EQ(Papers(catalog_.printers[3]), NumberedSizes(63));
  EXPECT_EQ(Papers(catalog_.printers[4]), Texts{"Prohibition"});

  EXPECT_EQ(
      prompter_.shown,
      (Boxes{Box(0, "用紙種類が63個を超えました", "Drawlot-Seventy", Icon::kNone),
             Box(kOwner, "このプリンターは使用禁止に設定なっています", "Foxit-PDF", Icon::kNone)}));
}

TEST_F(RealSpoolerTest, RestrictionToAAndBKeepsOnlyThoseSizesWithoutBoxes) {
  settings_.print_paper_ab = '1';  // as by default
  settings_.prohibition_print[0].Clear();
  Enumerate();
  EXPECT_EQ(Papers(catalog_.printers[0]), Texts{});  // full-width Ａ４ is no A4
  EXPECT_EQ(Papers(catalog_.printers[1]),
            (Texts{"A4", "A3", "B5 (JIS)", "B4 (JIS)", "A2", "Envelope b4"}));
  EXPECT_EQ(Papers(catalog_.printers[2]), Texts{});
  EXPECT_EQ(Papers(catalog_.printers[4]), Papers(catalog_.printers[1]));
  EXPECT_TRUE(prompter_.shown.empty());
}

}  // namespace
}  // namespace drawlot::testing
