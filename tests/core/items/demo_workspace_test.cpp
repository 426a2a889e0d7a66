// The demo workspace of the repository (examples/demo): its plotting set must put the columns
// where the file-name rules write, and everything in it must read as the program reads it.
#include <gtest/gtest.h>

#include <string>

#include "core/items/item_set_files.h"
#include "core/list/file_name_rules.h"
#include "core/model/column_layout.h"
#include "core/model/script_item.h"

namespace drawlot {
namespace {

// The source tree comes from the build: __FILE__ is relative when ccache rewrites the paths
// below its base directory, and a relative path does not lead from the test's folder.
std::string DemoFolder() {
  std::string source = DRAWLOT_SOURCE_DIR "/";
#ifdef _WIN32
  if (!source.empty() && source[0] == '/') source = "Z:" + source;  // Wine's view of /
#endif
  return source + "examples/demo";
}

// The list column of the first item of `slots` titled `title`, or -1.
int ColumnTitled(const ItemSlots& slots, std::string_view title) {
  for (int slot = 0; slot < kItemSlotCount; ++slot) {
    if (slots[slot].present && slots[slot].title == title) {
      return ColumnLayout::ItemWalk(slots).ColumnOf(slot).value_or(-1);
    }
  }
  return -1;
}

class DemoWorkspace : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(LoadSetTitles(table_, DemoFolder()), 0) << DemoFolder();
    ASSERT_EQ(LoadItemSets(table_, DemoFolder()), 0);
  }
  ScriptItemTable table_{};
};

TEST_F(DemoWorkspace, HasTwoTitledSets) {
  EXPECT_EQ(PresentSetCount(table_), 2);
  EXPECT_EQ(table_.sets[0].title, "図面印刷 (PDF・A3)");
  EXPECT_EQ(table_.sets[1].title, "DXF一括確認");
}

TEST_F(DemoWorkspace, PlottingSetPutsItsColumnsWhereTheFileNameRulesWrite) {
  const ItemSlots& plot = table_.sets[0].items;
  EXPECT_EQ(ColumnTitled(plot, "ファイル名"), 0);
  EXPECT_EQ(ColumnTitled(plot, "フォルダ"), 1);
  EXPECT_EQ(ColumnTitled(plot, "日時"), 2);
  EXPECT_EQ(ColumnTitled(plot, "プリンタ"), kRulePrinterColumn);
  EXPECT_EQ(ColumnTitled(plot, "用紙"), kRulePaperColumn);
  EXPECT_EQ(ColumnTitled(plot, "向き"), kRuleOrientationColumn);
  EXPECT_EQ(ColumnTitled(plot, "印刷範囲"), kRulePlotAreaColumn);
  EXPECT_EQ(ColumnTitled(plot, "印刷"), -1);  // the -PLOT command has no column
}

TEST_F(DemoWorkspace, PlottingSetEditsPrinterAndPaperFromTheirLists) {
  const ItemSlots& plot = table_.sets[0].items;
  EXPECT_EQ(plot[7].title, "プリンタ");
  EXPECT_EQ(plot[7].edit_mode, static_cast<int>(EditMode::kPrinter));
  EXPECT_EQ(plot[8].edit_mode, static_cast<int>(EditMode::kPaper));
  EXPECT_EQ(plot[10].select[0], kPortraitText);
  EXPECT_EQ(plot[10].select[1], kLandscapeText);
  EXPECT_EQ(plot[12].initial_value, kDrawingLimitsText);
  EXPECT_EQ(plot[0].output_mode, static_cast<int>(OutputMode::kCommandAndPath));
}

}  // namespace
}  // namespace drawlot
