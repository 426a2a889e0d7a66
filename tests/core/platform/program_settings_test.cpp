// "drawlot.ini": unknown lines survive a round trip in their place, numbers out of range or not
// numbers give their defaults, and a missing file reads as all defaults.
#include "core/platform/program_settings.h"

#include <gtest/gtest.h>

#include "core/platform/settings_file.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::TempFolder;

TEST(ProgramSettings, KeepsUnknownLinesAndAddsNewKeysAtTheEnd) {
  const TempFolder folder;
  folder.Write("drawlot.ini", "# 新しい版の行\nrun_time_limit=30\r\nfuture=表\\x\r\nlast");
  ProgramSettings settings;
  ASSERT_EQ(LoadProgramSettings(settings, folder.path()), kSettingsRead);
  EXPECT_EQ(settings.Number("run_time_limit", 0, 86400, 0), 30);
  EXPECT_EQ(settings.Value("future"), "表\\x");
  settings.SetNumber("run_time_limit", 30);
  EXPECT_FALSE(settings.Changed());
  settings.SetNumber("run_time_limit", 0);
  EXPECT_TRUE(settings.Changed());
  settings.Set("main_window", "1,2,3,4,0");
  testing::RecordingPrompter prompter;
  ASSERT_TRUE(SaveProgramSettings(settings, folder.path(), prompter));
  EXPECT_EQ(
      folder.Read("drawlot.ini"),
      "# 新しい版の行\r\nrun_time_limit=0\r\nfuture=表\\x\r\nlast\r\nmain_window=1,2,3,4,0\r\n");
}

TEST(ProgramSettings, NumbersFallBackWhenMissingMalformedOrOutOfRange) {
  const TempFolder folder;
  ProgramSettings settings;
  EXPECT_EQ(LoadProgramSettings(settings, folder.path()), kSettingsMissing);
  EXPECT_EQ(settings.Number("run_record", 0, 1, 1), 1);
  const struct {
    const char* value;
    int expected;
  } cases[] = {{"0", 0}, {"7", 7}, {"", 5}, {"x", 5}, {"7x", 5}, {" 7", 5}, {"-1", 5}, {"11", 5}};
  for (const auto& c : cases) {
    settings.Set("n", c.value);
    EXPECT_EQ(settings.Number("n", 0, 10, 5), c.expected) << c.value;
  }
}

}  // namespace
}  // namespace drawlot
