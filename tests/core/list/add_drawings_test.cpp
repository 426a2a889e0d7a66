// Adding the drawings of a folder, of a folder tree and of picked files, over the in-memory
// file system.
#include "core/list/add_drawings.h"

#include <gtest/gtest.h>

#include "core/list/adding_test_support.h"
#include "core/list/file_name_rules.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

// --- AddMatchingFiles -------------------------------------------------------------------------

TEST_F(AddingTest, MatchingFilesBecomeRowsInListingOrderWithTheirDates) {
  files.AddFile("C:\\dwg\\A.DWG", Time(2024, 3, 5, 14, 7));
  files.AddFile("C:\\dwg\\note.txt");
  files.AddFile("C:\\dwg\\b.dwg", Time(2023, 12, 31, 9, 0));
  files.AddFile("C:\\dwg\\c.dxf");
  EXPECT_EQ(AddMatchingFiles(context, "C:\\dwg", DrawingKind::kDwg, 0), 2);
  ASSERT_EQ(rows.RowCount(), 2);
  EXPECT_EQ(RowTexts(rows, 0), (Texts{"A.DWG", "C:\\dwg", "2024/03/05 14:07", "LBP", "A3", "-"}));
  EXPECT_EQ(Row(1), (Texts{"b.dwg", "C:\\dwg", "2023/12/31 09:00"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDwg}));
  EXPECT_EQ(files.listed_patterns, (Texts{"C:\\dwg\\*.dwg"}));
}

TEST_F(AddingTest, MatchingFilesGoInAtThePositionGiven) {
  FillList(rows, slots, tags, {"first.dwg", "last.dwg"});
  files.AddFile("C:\\dxf\\x.dxf");
  files.AddFile("C:\\dxf\\y.DXF");
  EXPECT_EQ(AddMatchingFiles(context, "C:\\dxf", DrawingKind::kDxf, 1), 3);
  EXPECT_EQ(Names(), (Texts{"first.dwg", "x.dxf", "y.DXF", "last.dwg"}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDxf, kIconDxf, kIconDwg}));
}

TEST_F(AddingTest, NoMatchOrNoFolderGivesZero) {
  files.AddFile("C:\\dwg\\a.dxf");
  EXPECT_EQ(AddMatchingFiles(context, "C:\\dwg", DrawingKind::kDwg, 0), 0);
  EXPECT_EQ(AddMatchingFiles(context, "C:\\nowhere", DrawingKind::kDwg, 0), 0);
  EXPECT_EQ(rows.RowCount(), 0);
}

TEST_F(AddingTest, DriveRootFolderIsUsedAsItStands) {
  files.AddFile("C:\\root.dwg");
  EXPECT_EQ(AddMatchingFiles(context, "C:\\", DrawingKind::kDwg, 0), 1);
  EXPECT_EQ(files.listed_patterns, (Texts{"C:\\\\*.dwg"}));
  EXPECT_EQ(Row(0), (Texts{"root.dwg", "C:\\", "00/00/00 00:00"}));
}

TEST_F(AddingTest, FolderWhosePatternWouldNotFitIsNotListed) {
  const std::string folder = "C:\\" + std::string(250, 'f');  // 253 bytes: with \*.dwg 259
  files.AddFile(folder + "\\a.dwg");
  EXPECT_EQ(AddMatchingFiles(context, folder, DrawingKind::kDwg, 0), 1);
  const std::string longer = folder + "g";
  files.AddFile(longer + "\\a.dwg");
  EXPECT_EQ(AddMatchingFiles(context, longer, DrawingKind::kDwg, 1), 0);
  EXPECT_EQ(rows.RowCount(), 1);
}

// --- AddFolderDrawings ------------------------------------------------------------------------

TEST_F(AddingTest, FolderBrowserAsksWithTheKindsTitleFromTheLastFolder) {
  ScriptedFolderBrowser browser;
  AddFolderDrawings(context, browser, DrawingKind::kDwg);
  AddFolderDrawings(context, browser, DrawingKind::kDxf);
  EXPECT_EQ(browser.titles,
            (Texts{"  dwgファイルのフォルダを選択  ", "  dxfファイルのフォルダを選択  "}));
  EXPECT_EQ(browser.preselections, (Texts{"C:\\last", "C:\\last"}));
}

TEST_F(AddingTest, ChosenFolderIsAddedAndBecomesTheLastFolder) {
  files.AddFile("D:\\図面\\表\\a.dxf", Time(2024, 1, 2, 3, 4));
  files.AddFile("D:\\図面\\表\\b.dwg");
  ScriptedFolderBrowser browser;
  browser.answers = {"D:\\図面\\表"};
  AddFolderDrawings(context, browser, DrawingKind::kDxf);
  ASSERT_EQ(rows.RowCount(), 1);
  EXPECT_EQ(Row(0), (Texts{"a.dxf", "D:\\図面\\表", "2024/01/02 03:04"}));
  EXPECT_EQ(settings.file_folder.view(), "D:\\図面\\表");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AddingTest, FolderWithoutMatchWarnsAndKeepsTheList) {
  FillList(rows, slots, tags, {"keep.dwg"});
  files.AddFile("C:\\empty\\a.dxf");
  ScriptedFolderBrowser browser;
  browser.answers = {"C:\\empty"};
  AddFolderDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"keep.dwg"}));
  EXPECT_EQ(prompter.shown, (Boxes{Warning("読込出来ません！", "file追加")}));
  EXPECT_EQ(settings.file_folder.view(), "C:\\empty");
}

TEST_F(AddingTest, CancelledBrowserChangesNothing) {
  files.AddFile("C:\\root.dwg");  // what a walk from the current drive's root would find
  ScriptedFolderBrowser browser;
  AddFolderDrawings(context, browser, DrawingKind::kDwg);
  AddFolderTreeDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(files.listed_patterns.empty());
  EXPECT_EQ(settings.file_folder.view(), "C:\\last");
}

TEST_F(AddingTest, RulesApplyToTheNewRowsOnlyWhenSwitchedOn) {
  settings.file_set.ps = '1';
  settings.file_set.fp_ps[0].search = "A1";
  settings.file_set.fp_ps[0].printer = "PrinterA1";
  FillList(rows, slots, tags, {"old_A1.dwg"});
  files.AddFile("C:\\d\\new_A1.dwg");
  ScriptedFolderBrowser browser;
  browser.answers = {"C:\\d", "C:\\d"};
  AddFolderDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(ColumnTexts(rows, kRulePrinterColumn), (Texts{"-", "-"}));
  settings.file_set.chg_on = '1';
  AddFolderDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(ColumnTexts(rows, kRulePrinterColumn), (Texts{"-", "-", "PrinterA1"}));
}

// --- The folder walk --------------------------------------------------------------------------

TEST_F(AddingTest, WalkIsBreadthFirstInListingOrder) {
  files.AddFolder("C:\\top");
  files.AddFolder("C:\\top\\b");
  files.AddFolder("C:\\top\\a");
  files.AddFolder("C:\\top\\b\\b1");
  files.AddFolder("C:\\top\\a\\a1");
  files.AddFolder("C:\\top\\a\\a1\\deep");
  EXPECT_EQ(ScannedFolders(files, "C:\\top"),
            (Texts{"C:\\top", "C:\\top\\b", "C:\\top\\a", "C:\\top\\b\\b1", "C:\\top\\a\\a1",
                   "C:\\top\\a\\a1\\deep"}));
  EXPECT_EQ(files.listed_patterns.front(), "C:\\top\\*");
}

TEST_F(AddingTest, WalkTakesOnlyPlainFolders) {
  files.AddFolder("C:\\top");
  files.AddFolder("C:\\top\\.backup");
  files.AddFolder("C:\\top\\hidden", kAttributeDirectory | kAttributeHidden);
  files.AddFolder("C:\\top\\readonly", kAttributeDirectory | kAttributeReadOnly);
  files.AddFolder("C:\\top\\archived", kAttributeDirectory | kAttributeArchive);
  files.AddFile("C:\\top\\file.dwg", {}, kAttributeDirectory);  // an odd file: exactly "directory"
  files.AddFolder("C:\\top\\plain");
  EXPECT_EQ(ScannedFolders(files, "C:\\top"),
            (Texts{"C:\\top", "C:\\top\\file.dwg", "C:\\top\\plain"}));
}

TEST_F(AddingTest, WalkFromADriveRootKeepsItsFirstFolder) {
  // In a drive root there is no "."; the first entry is a real folder and is walked.
  files.AddFolder("E:\\first");
  files.AddFolder("E:\\second");
  EXPECT_EQ(ScannedFolders(files, "E:\\"), (Texts{"E:\\", "E:\\first", "E:\\second"}));
  EXPECT_EQ(files.listed_patterns.front(), "E:\\*");
}

TEST_F(AddingTest, ChosenFolderWithThirtyOneSubfoldersAddsOnlyItsOwnFiles) {
  files.AddFolder("C:\\top");
  files.AddFile("C:\\top\\own.dwg");
  for (int i = 0; i < 31; ++i) {
    const std::string sub = "C:\\top\\sub" + std::to_string(i);
    files.AddFolder(sub);
    files.AddFile(sub + "\\inner.dwg");
  }
  EXPECT_EQ(ScannedFolders(files, "C:\\top"), (Texts{"C:\\top"}));
  ScriptedFolderBrowser browser;
  browser.answers = {"C:\\top"};
  AddFolderTreeDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"own.dwg"}));
}

TEST_F(AddingTest, WalkStopsWhenTheTableIsFull) {
  // 20 subfolders, each with 2 below: the table fills while the sixth subfolder is scanned.
  files.AddFolder("C:\\top");
  for (int i = 0; i < 20; ++i) {
    const std::string sub = "C:\\top\\s" + std::to_string(i);
    files.AddFolder(sub + "\\x");
    files.AddFolder(sub + "\\y");
  }
  const Texts scanned = ScannedFolders(files, "C:\\top");
  // s0..s19 (20), x and y of s0..s4 (10), x of s5: 31 found beside the chosen folder.
  ASSERT_EQ(scanned.size(), 7u);  // the chosen folder and s0 to s5
  EXPECT_EQ(scanned.back(), "C:\\top\\s5");
  EXPECT_EQ(files.listed_patterns.size(), 7u);
}

TEST_F(AddingTest, EmptySecondSubfolderLetsTheThirdFollowTheFirst) {
  files.AddFolder("C:\\top");
  files.AddFile("C:\\top\\one\\1a.dwg");
  files.AddFile("C:\\top\\one\\1b.dwg");
  files.AddFolder("C:\\top\\two");
  files.AddFile("C:\\top\\three\\3a.dwg");
  files.AddFile("C:\\top\\t.dwg");
  FillList(rows, slots, tags, {"before.dwg"});
  ScriptedFolderBrowser browser;
  browser.answers = {"C:\\top"};
  AddFolderTreeDrawings(context, browser, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"before.dwg", "t.dwg", "1a.dwg", "1b.dwg", "3a.dwg"}));
  EXPECT_EQ(Folders(),
            (Texts{"C:\\dwg", "C:\\top", "C:\\top\\one", "C:\\top\\one", "C:\\top\\three"}));
  EXPECT_EQ(settings.file_folder.view(), "C:\\top");
}

TEST_F(AddingTest, TreeWithoutDrawingsAddsNothingAndSaysNothing) {
  files.AddFolder("C:\\top\\sub");
  ScriptedFolderBrowser browser;
  browser.answers = {"C:\\top"};
  AddFolderTreeDrawings(context, browser, DrawingKind::kDxf);
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AddingTest, WalkFromADriveRootJoinsWithOneBackslash) {
  files.AddFile("F:\\a\\x.dwg");
  files.AddFolder("F:\\b");
  EXPECT_EQ(ScannedFolders(files, "F:\\"), (Texts{"F:\\", "F:\\a", "F:\\b"}));
}

TEST_F(AddingTest, SubfolderWhosePathWouldNotFitIsNotWalked) {
  const std::string top = "C:\\" + std::string(250, 't');
  files.AddFolder(top + "\\" + std::string(6, 's'));  // 260 bytes: too long
  files.AddFolder(top + "\\" + std::string(5, 'r'));  // 259 bytes
  EXPECT_EQ(ScannedFolders(files, top), (Texts{top, top + "\\rrrrr"}));
}

// --- AddDrawingFiles --------------------------------------------------------------------------

PickedFiles OnePath(std::string path, std::size_t offset) {
  return PickedFiles{std::move(path), offset, 0};
}

PickedFiles SeveralFiles(const std::string& folder, const Texts& names) {
  std::string buffer = folder + '\0';
  for (const std::string& name : names) buffer += name + '\0';
  return PickedFiles{buffer, folder.size() + 1, 0};
}

TEST_F(AddingTest, OpenDialogRequestFollowsTheKind) {
  const OpenFilesRequest dwg = OpenDrawingsRequest(DrawingKind::kDwg, "C:\\last", 5);
  EXPECT_EQ(dwg.title, "ファイル読み出し");
  ASSERT_EQ(dwg.filters.size(), 2u);
  EXPECT_EQ(dwg.filters[0].description, "DwgFile(*.dwg)");
  EXPECT_EQ(dwg.filters[0].pattern, "*.dwg");
  EXPECT_EQ(dwg.filters[1].description, "DxfFile(*.dxf)");
  EXPECT_EQ(dwg.filters[1].pattern, "*.dxf");
  EXPECT_EQ(dwg.initial_name, "C:\\last\\*.dwg");
  EXPECT_EQ(dwg.buffer_size, 1040u);
  EXPECT_EQ(dwg.owner, 5u);
  const OpenFilesRequest dxf = OpenDrawingsRequest(DrawingKind::kDxf, "C:\\last", 5);
  EXPECT_EQ(dxf.filters[0].description, "DxfFile(*.dxf)");
  EXPECT_EQ(dxf.filters[1].description, "DwgFile(*.dwg)");
  EXPECT_EQ(dxf.initial_name, "C:\\last\\*.dxf");
}

TEST_F(AddingTest, PickedResultSplitsIntoFolderAndNames) {
  PickedNames one = SplitPickedFiles(OnePath("C:\\図面\\表\\a.dwg", 11));
  EXPECT_EQ(one.folder, "C:\\図面\\表");
  EXPECT_EQ(one.names, (Texts{"a.dwg"}));
  PickedNames root = SplitPickedFiles(OnePath("C:\\a.dwg", 3));
  EXPECT_EQ(root.folder, "C:");
  PickedNames several = SplitPickedFiles(SeveralFiles("C:\\d", {"x.dwg", "y.dxf", "z.dwg"}));
  EXPECT_EQ(several.folder, "C:\\d");
  EXPECT_EQ(several.names, (Texts{"x.dwg", "y.dxf", "z.dwg"}));
  PickedNames several_in_root = SplitPickedFiles(SeveralFiles("C:\\", {"x.dwg", "y.dwg"}));
  EXPECT_EQ(several_in_root.folder, "C:");
  EXPECT_EQ(several_in_root.names, (Texts{"x.dwg", "y.dwg"}));
  // A folder whose last character is 表 (95 5C) keeps its trail byte.
  PickedNames trail = SplitPickedFiles(OnePath("C:\\表a.dwg", 5));
  EXPECT_EQ(trail.folder, "C:\\表");
}

TEST_F(AddingTest, PickedFilesAreAddedWithTheIconOfTheirNames) {
  files.AddFile("C:\\d\\x.dxf", Time(2022, 2, 2, 2, 2));
  files.AddFile("C:\\d\\Y.DWG");
  files.AddFile("C:\\d\\low.Dwg");
  files.AddFile("C:\\d\\mixed.DWg");
  ScriptedFilePicker picker;
  picker.answer = SeveralFiles("C:\\d", {"x.dxf", "y.dwg", "low.Dwg", "mixed.DWg"});
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"x.dxf", "Y.DWG", "low.Dwg", "mixed.DWg"}));  // names as stored
  EXPECT_EQ(Row(0), (Texts{"x.dxf", "C:\\d", "2022/02/02 02:02"}));
  // By the picked name's last two characters: "wg" and "WG" give DWG, "Wg" does not.
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDxf, kIconDwg, kIconDwg, kIconDxf}));
  EXPECT_EQ(settings.file_folder.view(), "C:\\d");
  EXPECT_EQ(picker.requests.at(0).initial_name, "C:\\last\\*.dwg");
}

TEST_F(AddingTest, FileInADriveRootGetsTheFolderDriveAlone) {
  files.AddFile("C:\\a.dwg");
  ScriptedFilePicker picker;
  picker.answer = OnePath("C:\\a.dwg", 3);
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(Folders(), (Texts{"C:"}));
  EXPECT_EQ(settings.file_folder.view(), "C:");
  EXPECT_EQ(files.listed_patterns, (Texts{"C:\\a.dwg"}));
}

TEST_F(AddingTest, VanishedFileIsReportedAndTheOthersAreAdded) {
  files.AddFile("C:\\d\\a.dwg");
  files.AddFile("C:\\d\\c.dwg");
  ScriptedFilePicker picker;
  picker.answer = SeveralFiles("C:\\d", {"a.dwg", "gone.dwg", "c.dwg"});
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"a.dwg", "c.dwg"}));
  EXPECT_EQ(prompter.shown, (Boxes{Warning("読込出来ません！", "ファイル追加操作")}));
}

TEST_F(AddingTest, PathOverTheBufferIsRefusedNotCut) {
  const std::string folder = "C:\\" + std::string(250, 'f');
  files.AddFile(folder + "\\abcde");      // 259 bytes
  files.AddFile(folder + "\\abcdef");     // 260 bytes: would be cut
  files.AddFile(folder + "\\abcde.dwg");  // what a cut might point to
  ScriptedFilePicker picker;
  picker.answer = SeveralFiles(folder, {"abcde", "abcdef"});
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(Names(), (Texts{"abcde"}));
  EXPECT_EQ(prompter.shown, (Boxes{Warning("読込出来ません！", "ファイル追加操作")}));
}

TEST_F(AddingTest, CancelOrAFirstNameBeyondTheFolderBufferChangesNothing) {
  ScriptedFilePicker picker;
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  const std::string folder = "C:\\" + std::string(256, 'f');  // first name at offset 260
  files.AddFile(folder + "\\a.dwg");
  picker.answer = SeveralFiles(folder, {"a.dwg"});
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(settings.file_folder.view(), "C:\\last");
}

TEST_F(AddingTest, AFailedOpenDialogIsReportedWithItsErrorAndAddsNothing) {
  ScriptedFilePicker picker;
  picker.answer = PickedFiles{{}, 0, kPickerBufferTooSmall};
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  picker.answer = PickedFiles{{}, 0, 0xFFFF};
  AddDrawingFiles(context, picker, DrawingKind::kDxf);
  EXPECT_EQ(rows.RowCount(), 0);
  EXPECT_EQ(settings.file_folder.view(), "C:\\last");
  EXPECT_EQ(prompter.shown,
            (Boxes{Warning("選択したファイルが多すぎて読込出来ません！\n"
                           "一度に選ぶファイルを減らして下さい。（エラー 3003）",
                           "ファイル追加操作"),
                   Warning("ファイル選択ダイアログのエラーで読込出来ません！（エラー FFFF）",
                           "ファイル追加操作")}));
}

TEST_F(AddingTest, PickedFilesGetTheRulesWhenSwitchedOn) {
  settings.file_set.chg_on = '1';
  settings.file_set.ps = '1';
  settings.file_set.fp_ps[1].search = "_A1";
  settings.file_set.fp_ps[1].printer = "P1";
  files.AddFile("C:\\d\\plan_A1.dwg");
  ScriptedFilePicker picker;
  picker.answer = OnePath("C:\\d\\plan_A1.dwg", 5);
  AddDrawingFiles(context, picker, DrawingKind::kDwg);
  EXPECT_EQ(ColumnTexts(rows, kRulePrinterColumn), (Texts{"P1"}));
}

}  // namespace
}  // namespace drawlot::testing
