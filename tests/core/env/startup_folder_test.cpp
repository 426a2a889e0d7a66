// The settings files in a start-up folder whose name ends in 表 (bytes 95 5C) and holds a
// blank: the folder must not be taken to end in a backslash, and the bytes written must be
// those of any other folder. The same suite runs natively and under Wine.
#include <gtest/gtest.h>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "core/items/partial_script_file.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::RecordingPrompter;
using testing::TempFolder;
using testing::Visible;

TEST(StartupFolder, DoubleByteNameWithBlankRoundTripsEveryFile) {
  TempFolder folder("図面 表");
  ASSERT_EQ(folder.path().substr(folder.path().size() - 2), "\x95\x5C");
  const std::string titles = "1\r\n印刷\r\n";
  const std::string items = "0;0;名前;1;1;0;100;;;;;;;_open\r\n0;1;用紙;4;4;4;80;A3;;;;;A3;\r\n";
  folder.Write("drwlt_set1.ini", titles);
  folder.Write("drwlt_set2.ini", items);
  folder.Write("plot_set.ini", "file_folder=C:\\表\\\r\nautocad_type=0\r\n");
  folder.Write("atc_print.ini", "PATH=" + folder.path() + "\r\n");

  ScriptItemTable table;
  ClearTable(table);
  EnvironmentSettings settings;
  ASSERT_EQ(LoadSetTitles(table, folder.path()), 0);
  ASSERT_EQ(LoadItemSets(table, folder.path()), 0);
  ASSERT_EQ(LoadEnvironmentSettings(settings, folder.path()), 0);
  EXPECT_EQ(settings.temp_file, folder.path() + "\\atcprint.scr");
  EXPECT_EQ(settings.file_folder, "C:\\表\\");

  // Written back: the same bytes, and the settings file byte for byte as serialised.
  RecordingPrompter prompter;
  folder.Write("drwlt_set1.ini", "stale");
  SaveEnvironmentSettings(settings, folder.path(), prompter);
  SaveSetTitles(table, folder.path(), prompter);
  SaveItemSets(table, folder.path(), prompter);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(Visible(folder.Read("drwlt_set1.ini")), Visible(titles));
  EXPECT_EQ(Visible(folder.Read("drwlt_set2.ini")), Visible(items));
  EXPECT_EQ(Visible(folder.Read("plot_set.ini")), Visible(SerializeEnvironmentSettings(settings)));

  ASSERT_TRUE(SavePartialScriptFile(table.sets[0].items, folder.File("部分 表.dat")));
  EXPECT_EQ(Visible(folder.Read("部分 表.dat")),
            Visible("0;名前;1;1;0;100;;;;;;;_open\r\n1;用紙;4;4;4;80;A3;;;;;A3;\r\n"));
}

}  // namespace
}  // namespace drawlot
