// The check before a run over a list and a spooler made in the test: each fault in its order,
// the passes (.pc3, empty cells, a spooler that cannot list), each printer's papers asked once,
// and the question's text.
#include "core/script/run_check.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/script_items.h"

namespace drawlot {
namespace {

using testing::Item;

TEST(CheckBeforeRun, FindsEachFaultOnceInItsOrderAndAsksEachPrinterOnce) {
  const ItemSlots items =
      testing::Slots({Item("ファイル名").display(1), Item("フォルダ").display(2),
                      Item("プリンタ").display(3).edit(3), Item("用紙").display(4).edit(4)});
  InMemoryRowStore rows;
  BuildColumns(rows, items);
  const struct {
    const char* name;
    const char* printer;
    const char* paper;
  } list[] = {
      {"ok.dwg", "PDF", "A3"},        {"gone.dwg", "nowhere", "Z9"}, {"text.dwg", "PDF", "A3"},
      {"noprn.dwg", "Plotter 9", ""}, {"nopaper.dwg", "PDF", "B0"},  {"pc3.dwg", "mine.PC3", "X"},
      {"empty.dwg", "", ""},          {"again.dwg", "PDF", "A4"},
  };
  std::vector<int> all;
  for (const auto& row : list) {
    const int at = rows.InsertRow(rows.RowCount(), row.name, 0, rows.RowCount() + 1);
    rows.SetCell(at, 1, "C:\\表");
    rows.SetCell(at, 2, row.printer);
    rows.SetCell(at, 3, row.paper);
    all.push_back(at);
  }
  InMemoryPrintSpooler spooler;
  spooler.Add("PDF", {"A3", "A4"});
  spooler.Add("Other", {"A3"});
  const DrawingLookup lookup{[](const std::string& path) { return path != "C:\\表\\gone.dwg"; },
                             [](const std::string& path) { return path != "C:\\表\\text.dwg"; }};
  const std::vector<CheckedRow> found = CheckBeforeRun(rows, items, all, lookup, spooler);
  EXPECT_EQ(found, (std::vector<CheckedRow>{{1, RunResult::kMissing},
                                            {2, RunResult::kNotDrawing},
                                            {3, RunResult::kNoPrinter},
                                            {4, RunResult::kNoPaper}}));
  EXPECT_EQ(spooler.papers_read_for, (std::vector<std::string>{"PDF"}));
  EXPECT_EQ(CheckBeforeRunText(rows, items, found),
            "実行の前に、次の図面に問題が見つかりました。\r\n"
            "\r\n図面がありません 1件\r\n　gone.dwg\r\n"
            "\r\n図面ではありません 1件\r\n　text.dwg\r\n"
            "\r\nプリンタがありません 1件\r\n　noprn.dwg\r\n"
            "\r\n用紙がありません 1件\r\n　nopaper.dwg\r\n"
            "\r\nこれらの図面を除いて実行しますか？\r\n（いいえ：何も実行しません）");

  // A spooler that cannot list its printers: only the files are checked.
  spooler.listing_fails = true;
  EXPECT_EQ(CheckBeforeRun(rows, items, all, lookup, spooler).size(), 2u);
  // More than ten of a kind: ten names and "…".
  std::vector<CheckedRow> many(12, CheckedRow{1, RunResult::kMissing});
  const std::string text = CheckBeforeRunText(rows, items, many);
  EXPECT_NE(text.find("図面がありません 12件\r\n"), std::string::npos);
  EXPECT_NE(text.find("　gone.dwg\r\n　…\r\n"), std::string::npos);
}

}  // namespace
}  // namespace drawlot
