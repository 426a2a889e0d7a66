#include "core/list/file_name_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fakes/in_memory_row_store.h"

namespace drawlot {
namespace {

PrinterPaperRule Rule(std::string_view search, std::string_view printer, std::string_view paper) {
  PrinterPaperRule rule;
  rule.search = search;
  rule.printer = printer;
  rule.paper = paper;
  return rule;
}

class FileNameRulesTest : public ::testing::Test {
 protected:
  FileNameRulesTest() {
    rules.ps = rules.ds = rules.ss = '1';
    rules.fp_ps[0] = Rule("A1", "PrinterA1", "A1紙");
    rules.fp_ps[2] = Rule("plan", "PrinterPlan", "A3");
    rules.search_d1 = "_T";
    rules.search_d2 = "_Y";
    rules.search_s1 = "L1";
    rules.search_s2 = "L2";
    rules.search_s3 = "L3";
  }
  void Columns(int count) {
    for (int c = 0; c < count; ++c) rows.InsertColumn(c, "c", 50);
  }
  int AddRow(std::string_view name) {
    const int row = rows.InsertRow(rows.RowCount(), name, kIconDwg, rows.RowCount());
    for (int c : {5, 6, 8, 10}) rows.SetCell(row, c, "old");
    return row;
  }
  // Sub-items 5, 6, 8 and 10 of a row.
  std::string Targets(int row) const {
    std::string cells;
    for (int c : {5, 6, 8, 10}) cells += rows.GetCell(row, c, 260) + "|";
    return cells;
  }

  FileNameRules rules;
  InMemoryRowStore rows;
};

TEST_F(FileNameRulesTest, LaterMatchesOverwriteEarlierOnes) {
  Columns(12);
  AddRow("A1_plan.dwg");
  AddRow("A1_T_Y.dwg");
  AddRow("L1L2L3.dwg");
  AddRow("L3L1.dwg");
  AddRow("nothing.dwg");
  ApplyFileNameRules(rows, rules, 0);
  EXPECT_EQ(Targets(0), "PrinterPlan|A3|old|old|");
  EXPECT_EQ(Targets(1), "PrinterA1|A1紙|横|old|");  // portrait and landscape: landscape
  EXPECT_EQ(Targets(2), "old|old|old|表示画面|");
  EXPECT_EQ(Targets(3), "old|old|old|表示画面|");  // rule order, not position in the name
  EXPECT_EQ(Targets(4), "old|old|old|old|");

  rules.search_s3 = "";
  ApplyFileNameRules(rows, rules, 0);
  EXPECT_EQ(rows.GetCell(2, 10, 260), "ｵﾌﾞｼﾞｪｸﾄ");
  EXPECT_EQ(rows.GetCell(3, 10, 260), "図面範囲");
}

TEST_F(FileNameRulesTest, EmptyPrinterAndPaperStillOverwrite) {
  Columns(12);
  rules.fp_ps[3] = Rule("A1", "", "");
  AddRow("A1_T.dwg");
  ApplyFileNameRules(rows, rules, 0);
  EXPECT_EQ(Targets(0), "||縦|old|");
}

TEST_F(FileNameRulesTest, SearchTextsAreExactBytesOnCharacterBoundaries) {
  EXPECT_FALSE(RuleTextMatches("anything", ""));
  EXPECT_FALSE(RuleTextMatches("a1_plan", "A1"));  // case-sensitive
  EXPECT_TRUE(RuleTextMatches("x_A1", "A1"));
  // ア is 83 41: its trail byte is "A", which must not start a match of "A1".
  EXPECT_FALSE(RuleTextMatches("ア1.dwg", "A1"));
  EXPECT_TRUE(RuleTextMatches("ア1A1.dwg", "A1"));
  EXPECT_TRUE(RuleTextMatches("図面_縦.dwg", "縦"));
}

TEST_F(FileNameRulesTest, GroupsThatAreOffWriteNothing) {
  Columns(12);
  AddRow("A1_T_L1.dwg");
  rules.ps = '0';
  rules.ds = 0;
  rules.ss = 'Y';
  ApplyFileNameRules(rows, rules, 0);
  EXPECT_EQ(Targets(0), "old|old|old|old|");
}

TEST_F(FileNameRulesTest, StartsAtTheFirstRowAndStaysInsideTheColumns) {
  Columns(8);
  AddRow("A1_T_L1.dwg");
  AddRow("A1_T_L1.dwg");
  ApplyFileNameRules(rows, rules, 1);
  EXPECT_EQ(Targets(0), "old|old|||");
  EXPECT_EQ(Targets(1), "PrinterA1|A1紙|||");  // a list of eight columns has no 8 or 10
  ApplyFileNameRules(rows, rules, 2);
  ApplyFileNameRules(rows, rules, -3);
  EXPECT_EQ(Targets(0), "PrinterA1|A1紙|||");
}

}  // namespace
}  // namespace drawlot
