#include "core/items/set_choice.h"

#include <gtest/gtest.h>

#include "support/recording_prompter.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::RecordingPrompter;

TEST(SetChoice, DropDownTitlesAndTheMatchOverAllTwentyTitles) {
  ScriptItemTable table{};
  for (auto [index, title] : {std::pair{0, "Plot"}, {1, "印刷"}, {4, "隠れ"}, {7, "印刷"}}) {
    table.sets[index].title = title;
  }
  table.sets[19].title = "最後";
  EXPECT_EQ(SetChoiceTitles(table), (std::vector<std::string>{"Plot", "印刷"}));
  EXPECT_EQ(FindSetByTitle(table, "印刷"), 1);  // the first of two equal titles
  EXPECT_EQ(FindSetByTitle(table, "隠れ"), 4);  // beyond the empty title at 2
  EXPECT_EQ(FindSetByTitle(table, "plot"), std::nullopt);
  EXPECT_EQ(FindSetByTitle(table, "Plo"), std::nullopt);

  EnvironmentSettings settings;
  settings.autocad_type = '0';
  RecordingPrompter prompter;
  EXPECT_FALSE(ChooseCurrentSet(0x33, "plot", table, settings, prompter));
  EXPECT_EQ(prompter.shown,
            (Boxes{Box(0x33, "Comboboxの内容が登録内容と異なります。", "残念！", Icon::kNone)}));
  EXPECT_EQ(settings.autocad_type, '0');
  EXPECT_TRUE(ChooseCurrentSet(0x33, "最後", table, settings, prompter));
  EXPECT_EQ(settings.autocad_type, 'C');
}

}  // namespace
}  // namespace drawlot
