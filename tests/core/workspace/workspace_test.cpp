// The files of the start-up folder as one whole: the start-up boxes in their order, which
// files are kept when they could not be read, and the order of the writes at the end.
#include "core/workspace/workspace.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::RecordingPrompter;
using testing::TempFolder;
using Names = std::vector<std::string>;

constexpr WindowRef kOwner = 0x51;
const std::string kKeptSet1 =
    "カラム設定ファイル drwlt_set1.ini を読込出来ません。初期値にしますが、"
    "このファイルは書き換えずにそのまま残します。";
const std::string kKeptSet2 =
    "カラム設定ファイル drwlt_set2.ini を読込出来ません。初期値にしますが、"
    "このファイルは書き換えずにそのまま残します。";
const std::string kKeptSettings =
    "設定ファイル plot_set.ini を読込出来ません。初期値にしますが、"
    "このファイルは書き換えずにそのまま残します。";
const std::string kKeptProgramSettings =
    "設定ファイル drawlot.ini を読込出来ません。初期値にしますが、"
    "このファイルは書き換えずにそのまま残します。";
const std::string kMissingSettings = "設定ファイルがありません。環境設定をし直して下さい。";
const std::string kKeptList =
    "リストファイル listview.ini を読込出来ません。空のリストで始めますが、"
    "このファイルは書き換えずにそのまま残します。";

// One run of the program over the files of a folder: start, close and exit.
struct Session {
  explicit Session(const TempFolder& folder) : folder_path(folder.path()) {
    rows.InsertColumn(0, "図面", 100);
  }
  WorkspaceRecords records() { return {folder_path, items, settings, program, program_file}; }
  bool Start(Prompter& prompter) {
    const bool environment_missing = ReadSettingsAtStart(records(), reads, prompter, kOwner);
    LoadListAtStart(records(), rows, tags, reads, prompter, kOwner);
    return environment_missing;
  }
  void End(Prompter& prompter) {
    SaveListAtClose(records(), rows, reads, prompter, kOwner);
    SaveSettingsAtExit(records(), reads, prompter);
  }

  std::string folder_path;
  ScriptItemTable items{};
  EnvironmentSettings settings{};
  ProgramSettings program;
  ProgramSettingsFile program_file;
  InMemoryRowStore rows;
  RowTagSource tags;
  StartupReads reads;
};

TEST(Workspace, FirstStartWarnsThreeTimesAndWritesTheFourFilesButNoProgramSettings) {
  const TempFolder folder("初回");
  RecordingPrompter prompter;
  Session session(folder);
  EXPECT_TRUE(session.Start(prompter));
  const std::string missing_sets = "カラム設定ファイルがありません。初期値にします。";
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, missing_sets, "初期設定１", Icon::kWarning),
                                   Box(kOwner, missing_sets, "初期設定１", Icon::kWarning),
                                   Box(kOwner, kMissingSettings, "初期設定２", Icon::kWarning)}));
  session.End(prompter);
  EXPECT_EQ(prompter.shown.size(), 3u);
  EXPECT_EQ(folder.Names(),
            (Names{"drwlt_set1.ini", "drwlt_set2.ini", "listview.ini", "plot_set.ini"}));
  EXPECT_EQ(folder.Read("listview.ini"), "max_cont=0\r\n");
}

// Files that are there but cannot be read (a folder of that name reads as such) are told of
// in order and never written: no "保存出来ません" at the end, and the one readable file is.
TEST(Workspace, FilesThatCannotBeReadAreToldOfAndKeptAsTheyAre) {
  const TempFolder folder("読めない");
  for (const char* name : {"drwlt_set2.ini", "plot_set.ini", "drawlot.ini", "listview.ini"}) {
    folder.MakeFolder(name);
  }
  RecordingPrompter prompter;
  Session session(folder);
  EXPECT_FALSE(session.Start(prompter));
  session.End(prompter);
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, "カラム設定ファイルがありません。初期値にします。",
                                       "初期設定１", Icon::kWarning),
                                   Box(kOwner, kKeptSet2, "初期設定１", Icon::kWarning),
                                   Box(kOwner, kKeptSettings, "初期設定２", Icon::kWarning),
                                   Box(kOwner, kKeptProgramSettings, "初期設定２", Icon::kWarning),
                                   Box(kOwner, kKeptList, "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)}));
  EXPECT_TRUE(folder.Exists("drwlt_set1.ini"));
}

// The items are written only for the sets the titles mark as there: with the titles unread,
// writing them would empty the item file, so it is kept too. A list cut short by an overlong
// line is kept, and none of its rows stay.
TEST(Workspace, ItemSetsAndAShortReadListAreKept) {
  const TempFolder folder("題名");
  folder.MakeFolder("drwlt_set1.ini");
  folder.Write("drwlt_set2.ini", "1;0;表;1;0;0;10;;;;;;;\r\n");
  const std::string list =
      "max_cont=3\r\na.dwg\r\n" + std::string(kListLineMaxBytes + 1, 'x') + "\r\nc.dwg\r\n";
  folder.Write("listview.ini", list);
  RecordingPrompter prompter;
  Session session(folder);
  session.Start(prompter);
  EXPECT_EQ(session.rows.RowCount(), 0);
  session.End(prompter);
  EXPECT_EQ(prompter.shown, (Boxes{Box(kOwner, kKeptSet1, "初期設定１", Icon::kWarning),
                                   Box(kOwner, kMissingSettings, "初期設定２", Icon::kWarning),
                                   Box(kOwner, kKeptList, "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)}));
  EXPECT_EQ(folder.Read("drwlt_set2.ini"), "1;0;表;1;0;0;10;;;;;;;\r\n");
  EXPECT_EQ(folder.Read("listview.ini"), list);
}

// The first box fails as running out of memory would, half-way through the reads: nothing
// that was read is written back.
class ThrowingPrompter : public Prompter {
 public:
  Answer Show(const Message&) override { throw std::bad_alloc(); }
};

TEST(Workspace, AStartThatFailsHalfWayWritesNothing) {
  const TempFolder folder("途中");
  folder.Write("drwlt_set2.ini", "items\r\n");
  Session session(folder);
  ThrowingPrompter throwing;
  EXPECT_THROW(session.Start(throwing), std::bad_alloc);
  RecordingPrompter prompter;
  SaveSettingsAtExit(session.records(), session.reads, prompter);
  EXPECT_EQ(folder.Names(), Names{"drwlt_set2.ini"});
  EXPECT_EQ(folder.Read("drwlt_set2.ini"), "items\r\n");
}

// Each box at the end shows which files were there at that moment: the set titles fail to be
// written (a folder took their name after the start), after "plot_set.ini" and before the items.
class SnapshotPrompter : public Prompter {
 public:
  explicit SnapshotPrompter(const TempFolder& folder) : folder_(folder) {}
  Answer Show(const Message& message) override {
    std::string seen = message.title;
    for (const char* name : {"plot_set.ini", "drwlt_set2.ini", "drawlot.ini"}) {
      if (folder_.Exists(name)) seen += std::string(" ") + name;
    }
    boxes.push_back(seen);
    return Answer::kOk;
  }
  Names boxes;

 private:
  const TempFolder& folder_;
};

TEST(Workspace, WritesSettingsThenSetTitlesThenItemsThenProgramSettings) {
  const TempFolder folder("順");
  Session session(folder);
  RecordingPrompter quiet;
  session.Start(quiet);
  session.program.run.record = false;
  folder.MakeFolder("drwlt_set1.ini");
  SnapshotPrompter prompter(folder);
  SaveSettingsAtExit(session.records(), session.reads, prompter);
  EXPECT_EQ(prompter.boxes, Names{"ﾌｧｲﾙｴﾗｰ plot_set.ini"});
  EXPECT_EQ(folder.Read("drawlot.ini"),
            "run_time_limit=0\r\nrun_check_missing=1\r\nrun_record=0\r\n");
}

// Values edited by hand that are not valid: their defaults, said once at start, and the file
// left as it is when nothing changed.
TEST(Workspace, InvalidProgramSettingsAreSaidOnceAndLeftAsTheyAre) {
  const TempFolder folder("値");
  folder.Write("drawlot.ini", "run_time_limit = 10\r\nrun_record=5\r\nrun_check_missing=x\r\n");
  Session session(folder);
  RecordingPrompter quiet;
  session.Start(quiet);
  EXPECT_EQ(quiet.shown.back(),
            Box(kOwner,
                "設定ファイル drawlot.ini の run_record、run_check_missing の値が正しくありません。"
                "初期値にします。",
                "初期設定２", Icon::kWarning));
  EXPECT_EQ(session.program.run, (RunSettings{10, true, true}));
  session.End(quiet);
  EXPECT_EQ(folder.Read("drawlot.ini"),
            "run_time_limit = 10\r\nrun_record=5\r\nrun_check_missing=x\r\n");
}

}  // namespace
}  // namespace drawlot
