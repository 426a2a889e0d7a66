#include "core/script/autocad_run.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_prompter.h"

namespace drawlot {
namespace {

TEST(AutoCadCommandLine, IsSlashBAndTheQuotedPathAfterALeadingSpace) {
  EXPECT_EQ(AutoCadCommandLine("C:\\my work\\表\\atcprint.scr"),
            " /b \"C:\\my work\\表\\atcprint.scr\"");
  EXPECT_EQ(AutoCadCommandLine(""), " /b \"\"");
}

// 253 bytes fit the 260-byte buffer; one more is refused whole, with its box.
TEST(AutoCadCommandLine, HoldsA253BytePathAndRefusesALongerOne) {
  const std::string longest = "C:\\" + std::string(250, 'a');
  ASSERT_EQ(longest.size(), 253u);
  const auto line = AutoCadCommandLine(longest);
  ASSERT_TRUE(line.has_value());
  EXPECT_EQ(line->size(), 259u);  // and the terminator makes 260
  EXPECT_FALSE(AutoCadCommandLine(longest + "b").has_value());

  testing::RecordingPrompter prompter;
  EnvironmentSettings settings{};
  settings.temp_file = longest;
  EXPECT_TRUE(CheckScriptPathFits(0x4321, settings, prompter));
  settings.temp_file = longest + "b";
  EXPECT_FALSE(CheckScriptPathFits(0x4321, settings, prompter));
  EXPECT_EQ(prompter.shown,
            (std::vector<Message>{
                testing::Box(0x4321, kScriptPathTooLongText, kCannotStartTitle, Icon::kWarning)}));
}

}  // namespace
}  // namespace drawlot
