// The printer catalogue built from a scripted spooler: its limits, the prohibited prefixes, the
// A/B restriction, and every box with its text, title, icon and owner.
#include "core/env/printer_enumeration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/env/paper_records.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kOwner = 0x1234;

Texts Sizes(const std::string& stem, int count) {
  Texts names;
  for (int k = 1; k <= count; ++k) names.push_back(stem + std::to_string(k));
  return names;
}

Texts Papers(const PrinterEntry& entry) {
  Texts names;
  for (int k = 0; k < entry.PaperCount(); ++k) names.push_back(entry.papers[k].str());
  return names;
}

class PrinterEnumerationTest : public ::testing::Test {
 protected:
  PrinterEnumerationTest() {
    for (auto& entry : settings_.prohibition_print) entry.Clear();
  }

  void Enumerate() { EnumeratePrinters(catalog_, settings_, spooler_, prompter_, kOwner); }

  EnvironmentSettings settings_{};
  InMemoryPrintSpooler spooler_;
  RecordingPrompter prompter_;
  PrinterCatalog catalog_;
};

TEST_F(PrinterEnumerationTest, KeepsThirtyPrintersAndCutsNamesAndPapersToTheirWidths) {
  const std::string name127(127, 'n');
  const std::string name128(128, 'm');
  spooler_.Add(name127, {std::string(64, 'x'), std::string(62, 'y') + "表", "A4"});
  spooler_.Add(name128, {"Letter"});
  spooler_.Add("Seventy", Sizes("S", 70));
  spooler_.Add("Sixty-three", Sizes("T", 63));
  for (int k = 4; k < 35; ++k) spooler_.Add("P" + std::to_string(k), {"A3"});

  Enumerate();

  EXPECT_EQ(catalog_.count, 30);
  EXPECT_EQ(catalog_.printers[0].name, name127);
  // A name of 64 bytes fills its record without NUL; a double-byte character across the end
  // of the field is left out whole.
  EXPECT_EQ(Papers(catalog_.printers[0]),
            (Texts{std::string(63, 'x'), std::string(62, 'y'), "A4"}));
  EXPECT_TRUE(catalog_.printers[1].name.empty());
  EXPECT_EQ(Papers(catalog_.printers[1]), Texts{"Letter"});
  EXPECT_EQ(Papers(catalog_.printers[2]), Sizes("S", 63));
  EXPECT_EQ(Papers(catalog_.printers[3]), Sizes("T", 63));
  EXPECT_EQ(catalog_.printers[29].name, "P29");
  EXPECT_EQ(prompter_.shown, (Boxes{Box(0, "用紙種類が63個を超えました", "Seventy", Icon::kNone)}));

  // A second enumeration replaces the whole catalogue.
  spooler_.printers.resize(1);
  spooler_.printers[0].papers = {"B5"};
  Enumerate();
  EXPECT_EQ(catalog_.count, 1);
  EXPECT_EQ(Papers(catalog_.printers[0]), Texts{"B5"});
  EXPECT_TRUE(catalog_.printers[1].name.empty());
  EXPECT_TRUE(catalog_.printers[2].papers[0].empty());
}

TEST_F(PrinterEnumerationTest, ProhibitsByCaseSensitivePrefixesOfEveryEntry) {
  settings_.prohibition_print[0] = "Foxit";
  settings_.prohibition_print[2] = "Microsoft";
  settings_.prohibition_print[15] = "Last";
  spooler_.Add("Foxit Reader PDF Printer", {"A4"});
  spooler_.Add("foxit reader", {"A4"});
  spooler_.Add("Microsoft Print to PDF", {"A4"});
  spooler_.Add("Fox", {"A3"});
  spooler_.Add("Last one", {"A4"});

  Enumerate();

  EXPECT_EQ(Papers(catalog_.printers[0]), Texts{"Prohibition"});
  EXPECT_EQ(Papers(catalog_.printers[1]), Texts{"A4"});
  EXPECT_EQ(Papers(catalog_.printers[2]), Texts{"Prohibition"});
  EXPECT_EQ(Papers(catalog_.printers[3]), Texts{"A3"});
  EXPECT_EQ(catalog_.printers[4].name, "Last one");
  EXPECT_EQ(Papers(catalog_.printers[4]), Texts{"Prohibition"});
  // A prohibited printer's paper names are never asked for.
  EXPECT_EQ(spooler_.papers_read_for, (Texts{"foxit reader", "Fox"}));
  constexpr char kProhibited[] = "このプリンターは使用禁止に設定なっています";
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(kOwner, kProhibited, "Foxit Reader PDF Printer", Icon::kNone),
                   Box(kOwner, kProhibited, "Microsoft Print to PDF", Icon::kNone),
                   Box(kOwner, kProhibited, "Last one", Icon::kNone)}));
}

TEST_F(PrinterEnumerationTest, RestrictionToAAndBSizesKeepsDriverOrderAndSaysNothing) {
  settings_.print_paper_ab = '1';
  spooler_.Add("Mixed", {"Letter", "A4", "Legal", "B5 (JIS)", "a3 extra", "Envelope b4", "ア4",
                         "JIS B5", "Executive"});
  spooler_.Add("Americas", {"Letter", "Legal", "Executive"});
  Texts many = Sizes("A", 70);
  many.insert(many.begin() + 5, "Tabloid");
  spooler_.Add("Many", many);

  Enumerate();

  // The trail byte of ア (83 41) followed by 4 is no A4.
  EXPECT_EQ(Papers(catalog_.printers[0]),
            (Texts{"A4", "B5 (JIS)", "a3 extra", "Envelope b4", "JIS B5"}));
  EXPECT_EQ(Papers(catalog_.printers[1]), Texts{});
  EXPECT_EQ(Papers(catalog_.printers[2]), Sizes("A", 63));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(PrinterEnumerationTest, SpoolerAndDriverFailuresAreToldWithTheirOwners) {
  spooler_.Add("Zero", {});
  spooler_.Add("Broken", {"A4"}).counted = -1;
  spooler_.Add("Shrinking", {"A4", "A3", "B5"}).read = 2;
  spooler_.Add("Fine", {"A4"});

  Enumerate();

  EXPECT_EQ(catalog_.count, 4);
  EXPECT_EQ(Papers(catalog_.printers[0]), Texts{"Prohibition"});
  EXPECT_EQ(Papers(catalog_.printers[1]), Texts{"Prohibition"});
  EXPECT_EQ(Papers(catalog_.printers[2]), (Texts{"A4", "A3", "B5"}));
  EXPECT_EQ(Papers(catalog_.printers[3]), Texts{"A4"});
  constexpr char kNoMemory[] = "十分なメモリがないためバッファを割り当てられません";
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(kOwner, kNoMemory, "Zero", Icon::kNone),
                   Box(kOwner, kNoMemory, "Broken", Icon::kNone),
                   Box(kOwner, "用紙種類数が異なっています", "Shrinking", Icon::kNone)}));

  prompter_.shown.clear();
  spooler_.listing_fails = true;
  Enumerate();
  EXPECT_EQ(catalog_.count, 0);
  EXPECT_TRUE(catalog_.printers[0].name.empty());
  EXPECT_TRUE(catalog_.printers[0].papers[0].empty());
  EXPECT_EQ(prompter_.shown,
            (Boxes{Box(kOwner, "プリンタが見つかりません", "プリンタ検索中", Icon::kWarning)}));
}

TEST_F(PrinterEnumerationTest, FindsAPrinterByItsWholeExactNameOrFallsBackToTheFirst) {
  spooler_.Add("Plotter", {"A1"});
  spooler_.Add("Plotter A0", {"A0"});
  spooler_.Add("plotter a0", {"A0"});
  Enumerate();

  EXPECT_EQ(FindPrinter(catalog_, "Plotter A0"), 1);
  EXPECT_EQ(FindPrinter(catalog_, "plotter a0"), 2);
  EXPECT_EQ(FindPrinter(catalog_, "PLOTTER A0"), -1);
  EXPECT_EQ(FindPrinter(catalog_, "Plotter A"), -1);
  EXPECT_EQ(PrinterIndexOrFirst(catalog_, "Plotter A0 "), 0);
  EXPECT_EQ(PrinterIndexOrFirst(catalog_, "plotter a0"), 2);
}

// A driver that has more names when it writes them than it said before: the caller's
// buffer, sized from the earlier count, is never written past (the bytes after it stay 7).
TEST(PaperRecords, ADriverWithMoreNamesAtTheReadWritesNoFurtherThanTheBuffer) {
  for (const int names_at_read : {1, 2, 5, 200}) {
    std::vector<char> memory(3 * kPaperRecordBytes, 7);
    std::fill_n(memory.begin(), 2 * kPaperRecordBytes, '\0');
    int counts = 0;
    const int reported = ReadPaperRecordsGuarded(
        std::span(memory.data(), 2 * kPaperRecordBytes), [&] { return ++counts, names_at_read; },
        [&](char* out) {  // as DeviceCapabilitiesA: no size given
          for (int k = 0; k < names_at_read; ++k) out[k * kPaperRecordBytes] = char('A' + k % 26);
          return names_at_read;
        });
    EXPECT_EQ(reported, names_at_read);
    EXPECT_EQ(counts, 1);
    EXPECT_EQ(memory[0], 'A');
    EXPECT_EQ(memory[kPaperRecordBytes], names_at_read > 1 ? 'B' : '\0');
    EXPECT_EQ(std::count(memory.begin() + 2 * kPaperRecordBytes, memory.end(), 7),
              kPaperRecordBytes)
        << names_at_read;
  }
}

}  // namespace
}  // namespace drawlot::testing
