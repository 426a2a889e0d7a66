#include "core/items/set_choice.h"

#include <gtest/gtest.h>

#include "support/recording_prompter.h"

namespace drawlot {
namespace {

using testing::RecordingPrompter;

constexpr WindowRef kDialog = 0x33;

ScriptItemTable Titled(std::initializer_list<std::pair<int, const char*>> titles) {
  ScriptItemTable table;
  ClearTable(table);
  for (auto [index, title] : titles) table.sets[index].title = title;
  return table;
}

TEST(SetChoice, DropDownEndsAtTheFirstEmptyTitle) {
  EXPECT_TRUE(SetChoiceTitles(Titled({})).empty());
  EXPECT_EQ(SetChoiceTitles(Titled({{0, "印刷"}, {1, "変換"}, {3, "隠れ"}})),
            (std::vector<std::string>{"印刷", "変換"}));
}

TEST(SetChoice, TitlesMatchWholeAndCaseSensitiveFirstWins) {
  const ScriptItemTable table = Titled({{0, "Plot"}, {1, "印刷"}, {4, "隠れ"}, {7, "印刷"}});
  EXPECT_EQ(FindSetByTitle(table, "印刷"), 1);
  EXPECT_EQ(FindSetByTitle(table, "隠れ"), 4);  // beyond the empty title at 2
  EXPECT_EQ(FindSetByTitle(table, "plot"), std::nullopt);
  EXPECT_EQ(FindSetByTitle(table, "Plo"), std::nullopt);
  EXPECT_EQ(FindSetByTitle(table, "Plot "), std::nullopt);
}

TEST(SetChoice, OkRefusesOrStoresTheSetCharacter) {
  ScriptItemTable table = Titled({{0, "印刷"}, {16, "十六"}, {19, "最後"}});
  EnvironmentSettings settings;
  settings.autocad_type = '0';
  RecordingPrompter prompter;

  EXPECT_FALSE(ChooseCurrentSet(kDialog, "", table, settings, prompter));
  EXPECT_FALSE(ChooseCurrentSet(kDialog, "十", table, settings, prompter));
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "Comboboxを再選択して下さい。");
  EXPECT_EQ(prompter.shown[1].text, "Comboboxの内容が登録内容と異なります。");
  for (const Message& box : prompter.shown) {
    EXPECT_EQ(box.owner, kDialog);
    EXPECT_EQ(box.title, "残念！");
    EXPECT_EQ(box.buttons, Buttons::kOk);
    EXPECT_EQ(box.icon, Icon::kNone);
  }
  EXPECT_EQ(settings.autocad_type, '0');

  EXPECT_TRUE(ChooseCurrentSet(kDialog, "十六", table, settings, prompter));
  EXPECT_EQ(settings.autocad_type, '@');
  EXPECT_TRUE(ChooseCurrentSet(kDialog, "最後", table, settings, prompter));
  EXPECT_EQ(settings.autocad_type, 'C');
  EXPECT_EQ(CurrentSet(table, settings).title, "最後");
  EXPECT_EQ(prompter.shown.size(), 2u);
}

}  // namespace
}  // namespace drawlot
