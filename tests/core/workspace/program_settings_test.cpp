// "drawlot.ini": the typed record read from its lines (leniently, with defaults for what is
// missing or not valid), and the lines written back with unknown ones kept in their place.
#include "core/workspace/program_settings.h"

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
  ProgramSettingsFile file;
  ProgramSettings settings;
  ASSERT_EQ(LoadProgramSettings(file, settings, folder.path()), kSettingsRead);
  EXPECT_EQ(settings.run.time_limit_seconds, 30);
  EXPECT_FALSE(file.Differs(settings));
  settings.run.time_limit_seconds = 0;
  EXPECT_TRUE(file.Differs(settings));
  settings.main_window = WindowPlace{1, 2, 3, 4, false};
  testing::RecordingPrompter prompter;
  ASSERT_TRUE(SaveProgramSettings(file, settings, folder.path(), prompter));
  // The run settings are written as one group, as the run settings dialog sets them.
  EXPECT_EQ(folder.Read("drawlot.ini"),
            "# 新しい版の行\r\nrun_time_limit=0\r\nfuture=表\\x\r\nlast\r\nrun_check_missing=1\r\n"
            "run_record=1\r\nmain_window=1,2,3,4,0\r\n");
}

TEST(ProgramSettings, ValuesFallBackWhenMissingMalformedOrOutOfRange) {
  ProgramSettingsFile file;
  EXPECT_EQ(file.Parse(""), ProgramSettings{});
  EXPECT_EQ(file.Parse("").run, (RunSettings{0, true, true}));
  const struct {
    const char* bytes;
    RunSettings expected;
    std::vector<std::string> invalid;
  } cases[] = {
      {"run_time_limit=120\r\nrun_check_missing=0\r\nrun_record=x\r\n",
       {120, false, true},
       {"run_record"}},
      {"run_time_limit=7", {7, true, true}, {}},
      {"run_time_limit=", {0, true, true}, {"run_time_limit"}},
      {"run_time_limit=7x", {0, true, true}, {"run_time_limit"}},
      {"run_time_limit=-1", {0, true, true}, {"run_time_limit"}},
      {"run_time_limit=86401", {0, true, true}, {"run_time_limit"}},
      {"run_time_limit=86400\nrun_time_limit=5", {86400, true, true}, {}},  // the first line
      {"run_record=2\nrun_check_missing=1", {0, true, true}, {"run_record"}},
      // Blanks around the key and the value, and a byte order mark, as an editor leaves them.
      {" run_time_limit = 7 \r\n\trun_record\t=\t0", {7, true, false}, {}},
      {"\xEF\xBB\xBFrun_time_limit=9", {9, true, true}, {}},
      {"run_drawings_per_start=50\nrun_parallel=８", {0, true, true, 50, 8}, {}},
      {"run_drawings_per_start=0\nrun_parallel=9",
       {0, true, true, 1, 1},
       {"run_drawings_per_start", "run_parallel"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(file.Parse(c.bytes).run, c.expected) << c.bytes;
    EXPECT_EQ(file.invalid_keys(), c.invalid) << c.bytes;
  }
}

TEST(ProgramSettings, WritesOnlyTheGroupsThatChanged) {
  ProgramSettingsFile file;
  ProgramSettings settings = file.Parse(" run_record = 0 \r\nmain_window=bad\r\n");
  EXPECT_EQ(file.invalid_keys(), (std::vector<std::string>{"main_window"}));
  EXPECT_FALSE(file.Differs(settings));  // a start and a close that changed nothing
  settings.run.time_limit_seconds = 5;
  EXPECT_EQ(file.Bytes(settings),
            "run_record=0\r\nmain_window=bad\r\nrun_time_limit=5\r\nrun_check_missing=1\r\n");
  settings = file.read();
  settings.main_window = WindowPlace{-8, 0, 640, 480, true};
  EXPECT_EQ(file.Bytes(settings), " run_record = 0 \r\nmain_window=-8,0,640,480,1\r\n");
  settings = file.read();
  settings.run.parallel = 2;  // the batch pair is its own group
  EXPECT_EQ(
      file.Bytes(settings),
      " run_record = 0 \r\nmain_window=bad\r\nrun_drawings_per_start=1\r\nrun_parallel=2\r\n");
  // The pane's pair too; its width is read within its bounds.
  settings = file.Parse("preview_width=119\r\npreview_pane=1\r\n");
  EXPECT_EQ(file.invalid_keys(), (std::vector<std::string>{"preview_width"}));
  EXPECT_TRUE(settings.preview_shown);
  settings.preview_width = 2000;
  EXPECT_EQ(file.Bytes(settings), "preview_width=2000\r\npreview_pane=1\r\n");
}

}  // namespace
}  // namespace drawlot
