// The folder-selection dialog's rows, its moves on a double-click and its loading, over the
// in-memory file system.
#include "core/list/folder_selection.h"

#include <gtest/gtest.h>

#include "core/list/adding_test_support.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

Texts RowNames(const std::vector<FolderRow>& rows) {
  Texts names;
  for (const FolderRow& row : rows) names.push_back(row.name);
  return names;
}

std::vector<int> RowIcons(const std::vector<FolderRow>& rows) {
  std::vector<int> icons;
  for (const FolderRow& row : rows) icons.push_back(row.icon);
  return icons;
}

TEST_F(AddingTest, DriveRootListsTheOtherDrivesThenItsEntries) {
  files.SetDriveType('a', DriveType::kRemovable);
  files.SetDriveType('c', DriveType::kFixed);
  files.SetDriveType('d', DriveType::kCdRom);
  files.SetDriveType('e', DriveType::kUnknown);
  files.SetDriveType('m', DriveType::kRemote);
  files.SetDriveType('r', DriveType::kRamDisk);
  files.SetDriveType('z', DriveType::kFixed);
  files.AddFile("C:\\autoexec.bat", Time(2020, 1, 1, 0, 0), kAttributeArchive);
  files.AddFolder("C:\\work", kAttributeDirectory, Time(2024, 4, 1, 8, 30));
  files.AddFolder("C:\\hidden", kAttributeDirectory | kAttributeHidden);
  files.AddFolder("C:\\locked", kAttributeDirectory | kAttributeReadOnly);
  files.AddFile("C:\\a.dwg");
  files.AddFolder("C:\\.git");
  const std::vector<FolderRow> rows = FolderRows(files, "C:\\");
  EXPECT_EQ(RowNames(rows),
            (Texts{"a:\\", "d:\\", "m:\\", "r:\\", "z:\\", "autoexec.bat", "work", ".git"}));
  EXPECT_EQ(RowIcons(rows),
            (std::vector<int>{kFolderIconRemovable, kFolderIconCdRom, kFolderIconNetwork,
                              kFolderIconRamDisk, kFolderIconFixedDrive, kFolderIconFolder,
                              kFolderIconFolder, kFolderIconDotName}));
  EXPECT_EQ(rows[0].date_text, "");
  EXPECT_EQ(rows[5].date_text, "2020/01/01 00:00");
  EXPECT_EQ(rows[6].date_text, "2024/04/01 08:30");
  EXPECT_EQ(files.listed_patterns, (Texts{"C:\\\\*"}));
}

TEST_F(AddingTest, CurrentDriveIsLeftOutWhateverItsCase) {
  files.SetDriveType('c', DriveType::kFixed);
  files.SetDriveType('d', DriveType::kFixed);
  EXPECT_EQ(RowNames(FolderRows(files, "c:\\")), (Texts{"d:\\"}));
  EXPECT_EQ(RowNames(FolderRows(files, "D:\\")), (Texts{"c:\\"}));
}

TEST_F(AddingTest, FolderBelowARootListsDotEntriesAndPlainFoldersOnly) {
  files.SetDriveType('c', DriveType::kFixed);
  files.SetDriveType('d', DriveType::kFixed);
  files.AddFolder("C:\\work");
  files.AddFolder("C:\\work\\2024");
  files.AddFolder("C:\\work\\.svn");
  files.AddFolder("C:\\work\\sys", kAttributeDirectory | kAttributeSystem);
  files.AddFile("C:\\work\\a.dwg");
  const std::vector<FolderRow> rows = FolderRows(files, "C:\\work");
  EXPECT_EQ(RowNames(rows), (Texts{".", "..", "2024", ".svn"}));
  EXPECT_EQ(RowIcons(rows), (std::vector<int>{kFolderIconDotName, kFolderIconDotName,
                                              kFolderIconFolder, kFolderIconDotName}));
}

TEST_F(AddingTest, FolderThatCannotBeListedGivesOnlyTheDrives) {
  files.SetDriveType('c', DriveType::kFixed);
  files.SetDriveType('d', DriveType::kFixed);
  EXPECT_EQ(RowNames(FolderRows(files, "D:\\")), (Texts{"c:\\"}));
  EXPECT_TRUE(FolderRows(files, "C:\\gone").empty());
}

TEST(FolderAfterDoubleClick, DotNamesGoUp) {
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work\\2024", ".."), "C:\\work");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work", ".."), "C:\\");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work", "."), "C:\\");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work\\2024", ".svn"), "C:\\work");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\", ".."), "C:\\");
  EXPECT_EQ(FolderAfterDoubleClick("work", ".."), "");
  EXPECT_EQ(FolderAfterDoubleClick("\\work", ".."), "");
}

TEST(FolderAfterDoubleClick, UpSkipsBackslashTrailBytes) {
  // 表 is 95 5C: its trail byte is no folder separator.
  EXPECT_EQ(FolderAfterDoubleClick("C:\\図面\\表", ".."), "C:\\図面");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\表", ".."), "C:\\");
}

TEST(FolderAfterDoubleClick, OtherNamesGoDown) {
  EXPECT_EQ(FolderAfterDoubleClick("C:\\", "work"), "C:\\work");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work", "2024"), "C:\\work\\2024");
  EXPECT_EQ(FolderAfterDoubleClick("C:", "work"), "C:\\work");
  EXPECT_EQ(FolderAfterDoubleClick("C", "work"), "C:\\work");
  EXPECT_EQ(FolderAfterDoubleClick("", "work"), "work");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\表", "図"), "C:\\表\\図");
}

TEST(FolderAfterDoubleClick, DriveRowsAreEntered) {
  EXPECT_EQ(FolderAfterDoubleClick("C:\\work", "d:\\"), "d:\\");
  EXPECT_EQ(FolderAfterDoubleClick("C:\\", "z:\\"), "z:\\");
}

TEST(FolderAfterDoubleClick, FolderTooLongForItsBufferIsNotEntered) {
  const std::string deep = "C:\\" + std::string(250, 'd');
  EXPECT_EQ(FolderAfterDoubleClick(deep, "12345"), deep + "\\12345");  // 259 bytes
  EXPECT_EQ(FolderAfterDoubleClick(deep, "123456"), std::nullopt);
}

TEST_F(AddingTest, BothKindsLoadDwgThenDxfFolderByFolder) {
  files.AddFile("C:\\w\\one\\1.dxf");
  files.AddFile("C:\\w\\one\\1.dwg");
  files.AddFolder("C:\\w\\none");
  files.AddFile("C:\\w\\two\\2.dwg");
  files.AddFile("C:\\w\\three\\3.dxf");
  FillList(rows, slots, tags, {"before.dwg"});
  const int end = LoadSelectedFolders(context, "C:\\w", {"one", "none", "two", "three"},
                                      FolderLoadKind::kDwgAndDxf);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(Names(), (Texts{"before.dwg", "1.dwg", "1.dxf", "2.dwg", "3.dxf"}));
  EXPECT_EQ(Folders(),
            (Texts{"C:\\dwg", "C:\\w\\one", "C:\\w\\one", "C:\\w\\two", "C:\\w\\three"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDwg, kIconDxf, kIconDwg, kIconDxf}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AddingTest, OneKindLoadsOnlyThatKind) {
  files.AddFile("C:\\w\\one\\1.dxf");
  files.AddFile("C:\\w\\one\\1.dwg");
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\w", {"one"}, FolderLoadKind::kDxf), 1);
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\w", {"one"}, FolderLoadKind::kDwg), 2);
  EXPECT_EQ(Names(), (Texts{"1.dxf", "1.dwg"}));
}

TEST_F(AddingTest, DriveRowsLoadNothing) {
  files.AddFile("C:\\w\\a.dwg");
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\w", {"d:\\"}, FolderLoadKind::kDwg), 0);
  EXPECT_EQ(files.listed_patterns, (Texts{"C:\\w\\d:\\\\*.dwg"}));
}

TEST_F(AddingTest, NothingLoadedLeavesThePositionAtTheRowCount) {
  FillList(rows, slots, tags, {"x.dwg", "y.dwg"});
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\w", {}, FolderLoadKind::kDwgAndDxf), 2);
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\w", {"empty"}, FolderLoadKind::kDwgAndDxf), 2);
}

TEST_F(AddingTest, FoldersOfADriveRootJoinWithOneBackslash) {
  files.AddFile("C:\\work\\a.dwg");
  EXPECT_EQ(LoadSelectedFolders(context, "C:\\", {"work"}, FolderLoadKind::kDwg), 1);
  EXPECT_EQ(Folders(), (Texts{"C:\\work"}));
}

}  // namespace
}  // namespace drawlot::testing
