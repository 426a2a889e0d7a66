#include "core/list/list_file.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::RecordingPrompter;
using testing::TempFolder;
using testing::Visible;

constexpr WindowRef kOwner = 0x42;

std::string Semicolons(int count) {
  return std::string(count, ';');
}

InMemoryRowStore StoreWithColumns(int count) {
  InMemoryRowStore rows;
  for (int c = 0; c < count; ++c) rows.InsertColumn(c, "c", 50);
  return rows;
}

void AddRow(InMemoryRowStore& rows, std::initializer_list<std::string_view> cells) {
  const int row = rows.InsertRow(rows.RowCount(), *cells.begin(), kIconDwg, 0);
  int column = 0;
  for (std::string_view cell : cells) rows.SetCell(row, column++, cell);
}

std::vector<std::string> RowCells(const InMemoryRowStore& rows, int row) {
  std::vector<std::string> cells;
  for (int c = 0; c < rows.ColumnCount(); ++c) cells.push_back(rows.GetCell(row, c, 1024));
  return cells;
}

// The two rows of three columns that the tests save and load.
const std::string kTwoRowFile =
    "max_cont=2\r\n"
    "A.dwg;C:\\DWG;2024/03/05 14:07" +
    Semicolons(29) + "\r\n" + "B.dxf;C:\\DXF;2024/03/06 09:00" + Semicolons(29) + "\r\n";

TEST(ListFileTest, SavesThirtyTwoFieldsPerRow) {
  InMemoryRowStore rows = StoreWithColumns(3);
  AddRow(rows, {"A.dwg", "C:\\DWG", "2024/03/05 14:07"});
  AddRow(rows, {"B.dxf", "C:\\DXF", "2024/03/06 09:00"});
  EXPECT_EQ(Visible(SerializeList(rows)), Visible(kTwoRowFile));
  EXPECT_EQ(SerializeList(StoreWithColumns(3)), "max_cont=0\r\n");
}

TEST(ListFileTest, SavesCellsOf127BytesAndColumnsUpTo32) {
  InMemoryRowStore rows = StoreWithColumns(34);
  AddRow(rows, {std::string(130, 'a'), std::string(126, 'b') + "表"});
  for (int c = 2; c < 34; ++c) rows.SetCell(0, c, std::to_string(c));
  std::string expected = "max_cont=1\r\n" + std::string(127, 'a') + ";" + std::string(126, 'b');
  for (int c = 2; c < 32; ++c) expected += ";" + std::to_string(c);
  EXPECT_EQ(Visible(SerializeList(rows)), Visible(expected + "\r\n"));
}

TEST(ListFileTest, LoadsCellsIconsAndFreshTags) {
  InMemoryRowStore rows = StoreWithColumns(2);
  RowTagSource tags;
  for (int i = 0; i < 5; ++i) tags.Next();  // rows came and went before the load
  ASSERT_EQ(ParseList(rows, kTwoRowFile, tags), 2);
  ASSERT_EQ(rows.RowCount(), 2);
  EXPECT_EQ(RowCells(rows, 0), (std::vector<std::string>{"A.dwg", "C:\\DWG"}));
  EXPECT_EQ(RowCells(rows, 1), (std::vector<std::string>{"B.dxf", "C:\\DXF"}));
  EXPECT_EQ(rows.GetCell(0, 2, 128), "");  // no third column: the date is dropped
  EXPECT_EQ(rows.IconOf(0), kIconDwg);
  EXPECT_EQ(rows.IconOf(1), kIconDxf);
  EXPECT_EQ(rows.TagOf(0), 5);
  EXPECT_EQ(rows.TagOf(1), 6);
  EXPECT_EQ(tags.Next(), 7);
}

TEST(ListFileTest, IconComesFromTheFirstFieldsEnding) {
  for (const char* dwg : {"a.dwg", "a.DWG", "a.Dwg", "a.dWG", "a.dw", "wg", "", "a.txt"}) {
    EXPECT_EQ(IconOfListedName(dwg), kIconDwg) << dwg;
  }
  for (const char* dxf : {"a.dxf", "a.DXF", "a.Dxf", "a.dXf", "dxf"}) {
    EXPECT_EQ(IconOfListedName(dxf), kIconDxf) << dxf;
  }
}

TEST(ListFileTest, SemicolonInACellShiftsTheRestOfTheRow) {
  InMemoryRowStore rows = StoreWithColumns(4);
  AddRow(rows, {"x.dwg", "a;b", "c", "d"});
  InMemoryRowStore loaded = StoreWithColumns(4);
  RowTagSource tags;
  ParseList(loaded, SerializeList(rows), tags);
  EXPECT_EQ(RowCells(loaded, 0), (std::vector<std::string>{"x.dwg", "a", "b", "c"}));
}

TEST(ListFileTest, RowCountAgainstTheLinesThatFollow) {
  const std::string row = "r.dwg" + Semicolons(31) + "\r\n";
  struct Case {
    std::string bytes;
    int rows;
  };
  const Case cases[] = {
      {"max_cont=3\r\n" + row + row, 2},             // fewer lines: the file's end
      {"max_cont=3\r\n" + row + "\r\n" + row, 1},    // fewer lines: an empty line
      {"max_cont=1\r\n" + row + row + row, 1},       // more lines: ignored
      {"max_cont= +2xyz\r\n" + row + row + row, 2},  // the forgiving number
      {"max_cont=-1\r\n" + row, 0},
      {"max_cont=\r\n" + row, 0},
      {"Max_cont=1\r\n" + row, 0},  // the key is case-sensitive
      {"\r\nmax_cont=1\r\n" + row, 0},
      {"", 0},
      {"max_cont=2\n" + std::string("r.dxf\n") + "s.dwg", 2},  // bare LF, no last line end
  };
  for (const Case& c : cases) {
    InMemoryRowStore rows = StoreWithColumns(2);
    RowTagSource tags;
    EXPECT_EQ(ParseList(rows, c.bytes, tags), c.rows) << Visible(c.bytes);
    EXPECT_EQ(rows.RowCount(), c.rows) << Visible(c.bytes);
  }
}

TEST(ListFileTest, OnlyThirtyTwoFieldsOfALineAreUsed) {
  InMemoryRowStore rows = StoreWithColumns(34);
  std::string line = "f0";
  for (int c = 1; c < 34; ++c) line += ";f" + std::to_string(c);
  RowTagSource tags;
  ParseList(rows, "max_cont=1\r\n" + line + "\r\n", tags);
  EXPECT_EQ(rows.GetCell(0, 31, 128), "f31");
  EXPECT_EQ(rows.GetCell(0, 32, 128), "");
}

TEST(ListFileTest, FullRowsLongerThan511BytesComeBackWhole) {
  // 32 cells of 127 bytes make a line of 4095 bytes; it must not turn into extra rows.
  InMemoryRowStore rows = StoreWithColumns(32);
  for (char fill : {'x', 'y'}) {
    const int row = rows.InsertRow(rows.RowCount(), std::string(127, fill), kIconDwg, 0);
    for (int c = 1; c < 32; ++c) rows.SetCell(row, c, std::string(127, fill + (c % 2)));
  }
  const std::string saved = SerializeList(rows);
  InMemoryRowStore loaded = StoreWithColumns(32);
  RowTagSource tags;
  EXPECT_EQ(ParseList(loaded, saved, tags), 2);
  EXPECT_EQ(RowCells(loaded, 0), RowCells(rows, 0));
  EXPECT_EQ(RowCells(loaded, 1), RowCells(rows, 1));
  EXPECT_EQ(SerializeList(loaded), saved);
}

TEST(ListFileTest, SaveAndLoadThroughFiles) {
  TempFolder folder("リスト");
  InMemoryRowStore rows = StoreWithColumns(3);
  AddRow(rows, {"A.dwg", "C:\\DWG", "2024/03/05 14:07"});
  AddRow(rows, {"B.dxf", "C:\\DXF", "2024/03/06 09:00"});
  RecordingPrompter prompter;
  folder.Write("listview.ini", "old contents that are longer than the new list");
  ASSERT_TRUE(SaveList(kOwner, rows, folder.File(kListFileName), prompter));
  EXPECT_EQ(Visible(folder.Read("listview.ini")), Visible(kTwoRowFile));
  EXPECT_FALSE(folder.Exists("listview.ini.tmp"));
  EXPECT_TRUE(prompter.shown.empty());

  InMemoryRowStore loaded = StoreWithColumns(3);
  RowTagSource tags;
  EXPECT_EQ(LoadList(loaded, folder.File(kListFileName), tags), 2);
  EXPECT_EQ(RowCells(loaded, 1), RowCells(rows, 1));
  EXPECT_EQ(LoadList(loaded, folder.File("missing.ini"), tags), 0);
  EXPECT_EQ(loaded.RowCount(), 2);
}

TEST(ListFileTest, ListThatCannotBeSaved) {
  TempFolder folder("list");
  InMemoryRowStore rows = StoreWithColumns(1);
  RecordingPrompter prompter;
  EXPECT_FALSE(SaveList(kOwner, rows, JoinPath(folder.File("missing"), "l.ini"), prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "保存出来ません");
  EXPECT_EQ(prompter.shown[0].title, "ﾌｧｲﾙｴﾗｰ");
  EXPECT_EQ(prompter.shown[0].owner, kOwner);
  EXPECT_EQ(prompter.shown[0].icon, Icon::kWarning);
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::kOk);
}

}  // namespace
}  // namespace drawlot
