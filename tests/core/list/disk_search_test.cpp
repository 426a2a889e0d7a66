// The disk search over the in-memory file system: fixed drives only, in letter order, the
// first hit wins, and what the found file becomes.
#include "core/list/disk_search.h"

#include <gtest/gtest.h>

#include "core/list/adding_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

class DiskSearchTest : public AddingTest {
 protected:
  DiskSearchTest() {
    files.SetDriveType('a', DriveType::kRemovable);
    files.SetDriveType('c', DriveType::kFixed);
    files.SetDriveType('d', DriveType::kCdRom);
    files.SetDriveType('e', DriveType::kFixed);
    files.SetDriveType('n', DriveType::kRemote);
    files.SetDriveType('z', DriveType::kFixed);
  }
};

TEST_F(DiskSearchTest, OnlyFixedDrivesAreSearchedInLetterOrder) {
  files.AddFile("A:\\plan.dwg");
  files.AddFile("D:\\plan.dwg");
  files.AddFile("N:\\share\\plan.dwg");
  EXPECT_EQ(FindOnFixedDrives(files, "plan.dwg"), std::nullopt);
  EXPECT_EQ(files.searched_roots, (Texts{"c:\\", "e:\\", "z:\\"}));
}

TEST_F(DiskSearchTest, FirstDriveWithAHitEndsTheSearch) {
  files.AddFile("E:\\x\\plan.dwg");
  files.AddFile("Z:\\plan.dwg");
  EXPECT_EQ(FindOnFixedDrives(files, "PLAN.DWG"), "E:\\x\\plan.dwg");
  EXPECT_EQ(files.searched_roots, (Texts{"c:\\", "e:\\"}));
}

TEST_F(DiskSearchTest, FoundFileIsAppendedWithItsFolderDateAndIcon) {
  FillList(rows, slots, tags, {"first.dwg"});
  files.AddFile("E:\\図面\\表\\Plan.DWG", Time(2021, 6, 7, 8, 9));
  FindAndAddOnDisks(context, "plan.dwg");
  EXPECT_EQ(Names(), (Texts{"first.dwg", "Plan.DWG"}));
  EXPECT_EQ(Row(1), (Texts{"Plan.DWG", "E:\\図面\\表", "2021/06/07 08:09"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDwg}));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(settings.file_folder.view(), "C:\\last");
}

TEST_F(DiskSearchTest, FileInADriveRootGetsTheDriveAsFolderAndDxfByItsName) {
  files.AddFile("Z:\\site.dxf");
  FindAndAddOnDisks(context, "site.dxf");
  EXPECT_EQ(Row(0), (Texts{"site.dxf", "Z:", "00/00/00 00:00"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDxf}));
}

TEST_F(DiskSearchTest, NothingFoundIsReported) {
  FindAndAddOnDisks(context, "nowhere.dwg");
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_EQ(prompter.shown, (Boxes{Warning("ＨＤＤ内にありませんでした。", "ファイル検索")}));
}

TEST_F(DiskSearchTest, FoundFileThatCannotBeListedIsReported) {
  AddFoundDrawing(context, "C:\\gone\\x.dwg");
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_EQ(prompter.shown, (Boxes{Warning("読込出来ません！", "ファイル追加操作")}));
}

TEST_F(DiskSearchTest, RulesAreNotApplied) {
  settings.file_set.chg_on = '1';
  settings.file_set.ps = '1';
  settings.file_set.fp_ps[0].search = "plan";
  settings.file_set.fp_ps[0].printer = "P";
  files.AddFile("C:\\plan.dwg");
  FindAndAddOnDisks(context, "plan.dwg");
  EXPECT_EQ(ColumnTexts(rows, 5), (Texts{"-"}));
}

}  // namespace
}  // namespace drawlot::testing
