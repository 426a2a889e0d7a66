// The session versions of files that were kept because they could not be read: their names,
// that no file is ever written over, which settings files get one, and the one box.
#include "core/workspace/kept_files.h"

#include <gtest/gtest.h>

#include "core/items/item_set_files.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::TempFolder;
using Names = std::vector<std::string>;

constexpr LocalTime kTime{2026, 12, 7, 15, 3, 9};

TEST(KeptFiles, SessionVersionNamesCarryTheTimeAndPassByTakenNames) {
  EXPECT_EQ(SessionVersionName("plot_set.ini", kTime, 2), "plot_set_20261207-150309-3.ini");
  const TempFolder folder("残す");
  folder.Write("listview.ini", "kept");
  folder.Write("listview_20261207-150309.ini", "an earlier session");
  folder.Write("drwlt_set1.ini", "kept titles");
  folder.Write("plot_set.ini", "kept settings");
  folder.Write("drawlot.ini", "kept program settings");
  ScriptItemTable items{};
  items.sets[0].present = 1;
  items.sets[0].title = "今回のセット";
  EnvironmentSettings settings{};
  settings.file_folder = "d:\\今回";
  StartupReads reads{true, kSettingsUnreadable, kSettingsRead, kSettingsUnreadable,
                     kSettingsUnreadable};
  ProgramSettings program;
  program.run.time_limit_seconds = 60;
  ProgramSettingsFile program_file;
  const std::string path = folder.path();

  KeptFiles kept;
  kept.SaveSessionVersion(folder.path(), "listview.ini", "rows", kTime);
  SaveKeptSettingsSessionVersions({path, items, settings, program, program_file}, reads, kTime,
                                  kept);
  testing::RecordingPrompter prompter;
  kept.Tell(prompter);

  EXPECT_EQ(folder.Names(),
            (Names{"drawlot.ini", "drawlot_20261207-150309.ini", "drwlt_set1.ini",
                   "drwlt_set1_20261207-150309.ini", "drwlt_set2_20261207-150309.ini",
                   "listview.ini", "listview_20261207-150309-2.ini", "listview_20261207-150309.ini",
                   "plot_set.ini", "plot_set_20261207-150309.ini"}));
  EXPECT_EQ(folder.Read("listview.ini") + folder.Read("listview_20261207-150309.ini") +
                folder.Read("drwlt_set1.ini") + folder.Read("plot_set.ini") +
                folder.Read("drawlot.ini"),
            "kept"
            "an earlier session"
            "kept titles"
            "kept settings"
            "kept program settings");
  EXPECT_EQ(folder.Read("drawlot_20261207-150309.ini"),
            "run_time_limit=60\r\nrun_check_missing=1\r\nrun_record=1\r\n");
  EXPECT_EQ(folder.Read("listview_20261207-150309-2.ini"), "rows");
  EXPECT_EQ(folder.Read("drwlt_set1_20261207-150309.ini"), SerializeSetTitles(items));
  EXPECT_EQ(folder.Read("drwlt_set2_20261207-150309.ini"), SerializeItemSets(items));
  EXPECT_EQ(folder.Read("plot_set_20261207-150309.ini"), SerializeEnvironmentSettings(settings));
  EXPECT_EQ(prompter.shown,
            (Boxes{Box(0,
                       "読込出来なかったファイルは書き換えずにそのまま残しました。\n"
                       "今回の内容は次の名前で保存しました。\n"
                       "\nlistview.ini → listview_20261207-150309-2.ini"
                       "\ndrwlt_set1.ini → drwlt_set1_20261207-150309.ini"
                       "\ndrwlt_set2.ini → drwlt_set2_20261207-150309.ini"
                       "\nplot_set.ini → plot_set_20261207-150309.ini"
                       "\ndrawlot.ini → drawlot_20261207-150309.ini",
                       "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)}));
}

}  // namespace
}  // namespace drawlot
