#include "core/edit/edit_dialog_model.h"

#include <gtest/gtest.h>

#include <map>

#include "core/edit/edit_test_support.h"
#include "core/list/list_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

struct Placed {
  int id, x, y, width, height;
  friend bool operator==(const Placed&, const Placed&) = default;
};
std::vector<Placed> Placement(const EditDialogModel& model) {
  std::vector<Placed> placed;
  for (const EditControl& c : model.controls) placed.push_back({c.id, c.x, c.y, c.width, c.height});
  return placed;
}

TEST(EditDialogModel, TwelveTextItemsFlowIntoASecondLinePast700) {
  ItemSlots slots{};
  for (int i = 0; i < 12; ++i) slots[i] = Item("t").display(4).edit(1).width(100);
  const EditDialogModel model = BuildEditDialogModel(slots, RowBuffer{}, PrinterCatalog{}, {});
  ASSERT_EQ(model.controls.size(), 12u);
  std::vector<std::pair<int, int>> origins;
  for (const EditControl& c : model.controls) origins.emplace_back(c.x, c.y);
  EXPECT_EQ(origins, (std::vector<std::pair<int, int>>{{5, 30},
                                                       {107, 30},
                                                       {209, 30},
                                                       {311, 30},
                                                       {413, 30},
                                                       {515, 30},
                                                       {617, 30},
                                                       {5, 80},
                                                       {107, 80},
                                                       {209, 80},
                                                       {311, 80},
                                                       {413, 80}}));
  EXPECT_EQ(model.right, 717);
  EXPECT_EQ(model.bottom, 100);
}

TEST(EditDialogModel, EveryEditModeGetsItsControlIdWidthAndList) {
  ItemSlots slots = Slots(
      {Item("名前").display(1).edit(0).width(60), Item("隠し").display(0).edit(1).width(60),
       Item("メモ").display(4).edit(1).width(80), Item("向き").display(4).edit(2).width(50),
       Item("出力先").display(4).edit(3).width(200), Item("用紙").display(4).edit(4).width(120),
       Item("ｽﾀｲﾙ").display(4).edit(5).width(90), Item("謎").display(4).edit(7).width(40),
       Item("負").display(4).edit(-1).width(40), Item("大").display(4).edit(1).width(60)});
  slots[3].select[0] = "縦";
  slots[3].select[1] = "横";
  slots[3].select[3] = "after a gap";
  RowBuffer buffer;
  for (int c = 0; c < 9; ++c) buffer.cells[c] = "cell" + std::to_string(c);
  buffer.cells[3] = "複合機";
  const EditDialogModel model =
      BuildEditDialogModel(slots, buffer, TwoPrinters(), {"acad.ctb", "mono.ctb"});

  // Text box: width, 20 high, x + width + 2. Drop-down: width + 10, 160 high, x + width + 12.
  // The hidden item takes no column: "メモ" is column 1. 5+80+2 = 87, +62 = 149, +212 = 361,
  // +132 = 493, +102 = 595, +52 = 647 (the negative mode makes nothing), +62 = 709 ends the line.
  EXPECT_EQ(Placement(model), (std::vector<Placed>{{502, 5, 30, 80, 20},
                                                   {1503, 87, 30, 60, 160},
                                                   {1504, 149, 30, 210, 160},
                                                   {1505, 361, 30, 130, 160},
                                                   {1506, 493, 30, 100, 160},
                                                   {1507, 595, 30, 50, 160},
                                                   {509, 647, 30, 60, 20}}));
  std::vector<int> columns;
  Texts texts, titles;
  for (const EditControl& c : model.controls) {
    columns.push_back(c.column);
    texts.push_back(c.text);
    titles.push_back(c.title);
  }
  EXPECT_EQ(columns, (std::vector<int>{1, 2, 3, 4, 5, 6, 8}));
  EXPECT_EQ(texts, (Texts{"cell1", "cell2", "複合機", "cell4", "cell5", "cell6", "cell8"}));
  EXPECT_EQ(titles, (Texts{"メモ", "向き", "出力先", "用紙", "ｽﾀｲﾙ", "謎", "大"}));
  EXPECT_TRUE(model.controls[0].choices.empty());
  EXPECT_EQ(model.controls[1].choices, (Texts{"縦", "横"}));
  EXPECT_EQ(model.controls[2].choices, (Texts{"LBP-1", "複合機"}));
  EXPECT_EQ(model.controls[3].choices, (Texts{"Ａ４縦", "Ｂ５"}));  // the printer cell's papers
  EXPECT_EQ(model.controls[4].choices, (Texts{"acad.ctb", "mono.ctb"}));
  EXPECT_TRUE(model.controls[5].choices.empty());
  EXPECT_EQ(model.printer_box, 1504);
  EXPECT_EQ(model.paper_box, 1505);

  // OK reads every control back into its column's cell, cut to 127 bytes; other cells stay.
  std::map<int, std::string> typed{{1504, std::string(126, 'p') + "機"}, {502, "memo"}};
  ReadEditDialog(model, buffer, [&](int id) { return typed[id]; });
  EXPECT_EQ(buffer.cells[3], std::string(126, 'p'));
  EXPECT_EQ(buffer.cells[1], "memo");
  EXPECT_EQ(buffer.cells[4], "");
  EXPECT_EQ(buffer.cells[7], "cell7");  // the negative mode's cell is not touched
}

TEST(EditDialogModel, PaperBoxWithoutAKnownPrinterListsPrinterEntryZero) {
  RowBuffer buffer;
  buffer.cells[0] = "removed printer";
  const ItemSlots paper_only = Slots({Item("用紙").display(4).edit(4).width(60)});
  const ItemSlots printer_then_paper = Slots(
      {Item("出力先").display(4).edit(3).width(60), Item("用紙").display(4).edit(4).width(60)});
  const Texts first_papers{"A4", "A3", "B4"};
  EXPECT_EQ(BuildEditDialogModel(paper_only, buffer, TwoPrinters(), {}).controls[0].choices,
            first_papers);
  EXPECT_EQ(BuildEditDialogModel(printer_then_paper, buffer, TwoPrinters(), {}).controls[1].choices,
            first_papers);
  EXPECT_TRUE(
      BuildEditDialogModel(paper_only, buffer, PrinterCatalog{}, {}).controls[0].choices.empty());
}

TEST(FollowPrinter, PaperFollowsAChosenPrinterAndAnUnknownNameResetsToEntryZero) {
  const PrinterCatalog catalog = TwoPrinters();
  std::string last_seen = "LBP-1";
  EXPECT_FALSE(FollowPrinter(last_seen, "LBP-1", catalog, UnknownPrinter::kResetToFirst));

  const auto chosen = FollowPrinter(last_seen, "複合機", catalog, UnknownPrinter::kResetToFirst);
  ASSERT_TRUE(chosen);
  EXPECT_FALSE(chosen->printer_text);
  EXPECT_EQ(chosen->papers, (Texts{"Ａ４縦", "Ｂ５"}));
  EXPECT_EQ(chosen->paper_text, "Ａ４縦");
  EXPECT_EQ(last_seen, "複合機");

  // A name that is only a prefix of a printer's name is unknown.
  const auto typed = FollowPrinter(last_seen, "LBP", catalog, UnknownPrinter::kResetToFirst);
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->printer_text, "LBP-1");
  EXPECT_FALSE(typed->papers);
  EXPECT_EQ(typed->paper_text, "A4");
  EXPECT_EQ(last_seen, "LBP");

  EXPECT_FALSE(FollowPrinter(last_seen, "lbp-1", catalog, UnknownPrinter::kKeepPapers));
  EXPECT_EQ(last_seen, "lbp-1");
}

}  // namespace
}  // namespace drawlot::testing
