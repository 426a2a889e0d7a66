#include <gtest/gtest.h>

#include "core/items/item_set_files.h"
#include "core/items/partial_script_file.h"
#include "core/text/file_io.h"
#include "support/recording_prompter.h"
#include "support/script_items.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::Item;
using testing::RecordingPrompter;
using testing::TempFolder;
using testing::Visible;

// Two sets: 印刷 with a file-name item, a date item and a printer item with all texts filled,
// and 変換 with one command item.
ScriptItemTable SampleTable() {
  ScriptItemTable table;
  ClearTable(table);
  table.sets[0].present = 1;
  table.sets[0].title = "印刷";
  table.sets[0].items[0] = Item("図面名").output(1).display(1).width(120);
  table.sets[0].items[0].command = "_open";
  table.sets[0].items[1] = Item("日付").display(3).width(100);
  ScriptItem& printer = table.sets[0].items[2];
  printer = Item("出力先").output(4).display(4).edit(3).width(-5);
  printer.select = {FixedText<16>("A3"), FixedText<16>("A4"), FixedText<16>(""), FixedText<16>(""),
                    FixedText<16>("横")};
  printer.initial_value = "C:\\表\\プリンタ";
  printer.command = "-plot";
  table.sets[1].present = 1;
  table.sets[1].title = "変換";
  table.sets[1].items[0] = Item("保存").output(2);
  table.sets[1].items[0].command = "_qsave";
  return table;
}

constexpr std::string_view kSampleTitles = "1\r\n印刷\r\n1\r\n変換\r\n";
constexpr std::string_view kSampleItems =
    "0;0;図面名;1;1;0;120;;;;;;;_open\r\n"
    "0;1;日付;0;3;0;100;;;;;;;\r\n"
    "0;2;出力先;4;4;3;-5;A3;A4;;;横;C:\\表\\プリンタ;-plot\r\n"
    "1;0;保存;2;0;0;0;;;;;;;_qsave\r\n";

TEST(ItemSetFiles, WriteTheDocumentedBytes) {
  const ScriptItemTable table = SampleTable();
  EXPECT_EQ(Visible(SerializeSetTitles(table)), Visible(kSampleTitles));
  EXPECT_EQ(Visible(SerializeItemSets(table)), Visible(kSampleItems));
}

TEST(ItemSetFiles, ReadBackTheSameTable) {
  ScriptItemTable read;
  ClearTable(read);
  ParseSetTitles(read, kSampleTitles);
  ParseItemSets(read, kSampleItems);
  const ScriptItemTable expected = SampleTable();
  for (int s = 0; s < kSetCount; ++s) {
    EXPECT_EQ(read.sets[s].present, expected.sets[s].present) << s;
    EXPECT_EQ(read.sets[s].title, expected.sets[s].title) << s;
    EXPECT_TRUE(read.sets[s].items == expected.sets[s].items) << s;
  }
}

TEST(ItemSetFiles, WritersStopAtTheFirstAbsentSetAndItem) {
  ScriptItemTable table = SampleTable();
  table.sets[0].items[1].present = 0;  // ends set 0 after slot 0; slot 2 is not written
  table.sets[1].present = 0;           // ends the sets; set 2 is not written either
  table.sets[2].present = 1;
  table.sets[2].title = "残り";
  table.sets[2].items[0] = Item("x").display(1).width(10);
  EXPECT_EQ(Visible(SerializeSetTitles(table)), Visible("1\r\n印刷\r\n"));
  EXPECT_EQ(Visible(SerializeItemSets(table)), Visible("0;0;図面名;1;1;0;120;;;;;;;_open\r\n"));
}

TEST(ItemSetFiles, TitleReaderRules) {
  ScriptItemTable table;
  ClearTable(table);
  // A "0" set is read and reading goes on; an empty line ends the file; LF alone is accepted.
  ParseSetTitles(table, "1\nA\r\n0\r\nB\r\n 12x\r\nC\r\n\r\n1\r\nD\r\n");
  EXPECT_EQ(table.sets[0].present, 1);
  EXPECT_EQ(table.sets[1].present, 0);
  EXPECT_EQ(table.sets[1].title, "B");
  EXPECT_EQ(table.sets[2].present, 12);
  EXPECT_EQ(table.sets[2].title, "C");
  EXPECT_EQ(table.sets[3].present, 0);
  EXPECT_TRUE(table.sets[3].title.empty());
}

TEST(ItemSetFiles, LongTitlesAreReadInPiecesAndCut) {
  ScriptItemTable table;
  ClearTable(table);
  // A title of exactly 63 bytes is one line; the next pair still follows.
  const std::string title63(63, 'T');
  ParseSetTitles(table, "1\r\n" + title63 + "\r\n1\r\nNext\r\n");
  EXPECT_EQ(table.sets[0].title, title63);
  EXPECT_EQ(table.sets[1].title, "Next");
  // A 70-byte title: its last 7 bytes are read as the next set's present line.
  ClearTable(table);
  ParseSetTitles(table, "1\r\n" + std::string(63, 'a') + "7bcdefg\r\n");
  EXPECT_EQ(table.sets[0].title, std::string(63, 'a'));
  EXPECT_EQ(table.sets[1].present, 7);
  EXPECT_TRUE(table.sets[1].title.empty());
}

TEST(ItemSetFiles, ItemReaderRules) {
  ScriptItemTable table;
  ClearTable(table);
  ParseItemSets(table,
                "3;1;late;0;1;0;5;;;;;;\r\n"  // set 3 need not be present in the title file
                "0;0;first;0;1;0;5;;;;;;\r\n"
                "0;0;again;2;2;2;7;;;;;;\r\n"  // a later line for the same slot wins
                "0;50;bad;0;1;0;5;;;;;;\r\n"   // a bad slot index ends reading
                "0;1;never;0;1;0;5;;;;;;\r\n");
  EXPECT_EQ(table.sets[3].items[1].title, "late");
  EXPECT_EQ(table.sets[0].items[0].title, "again");
  EXPECT_EQ(table.sets[0].items[0].width, 7);
  EXPECT_EQ(table.sets[0].items[1].present, 0);

  ClearTable(table);
  ParseItemSets(table, "20;0;x;0;1;0;5;;;;;;\r\n0;0;y;0;1;0;5;;;;;;\r\n");
  EXPECT_EQ(table.sets[0].items[0].present, 0);  // set 20 ends reading at once
  ParseItemSets(table, "-1;0;x\r\n");
  EXPECT_EQ(table.sets[0].items[0].present, 0);
}

TEST(ItemSetFiles, MalformedItemLinesStayInsideTheirFields) {
  ScriptItemTable table;
  ClearTable(table);
  // Too few fields: the missing ones read as empty or 0. Too long: each value is cut at its
  // field, never splitting 表. A ";" in the command stays in the command.
  const std::string long_title = "ABCDEFGHIJKLMN表";  // 14 + 2 bytes
  ParseItemSets(table, "0;0;short\r\n0;1;" + long_title + "; 12abc;x;3;9;1;2;3;4;5;init;a;b\r\n");
  const ScriptItem& shorter = table.sets[0].items[0];
  EXPECT_EQ(shorter.present, 1);
  EXPECT_EQ(shorter.title, "short");
  EXPECT_EQ(shorter.output_mode, 0);
  EXPECT_TRUE(shorter.command.empty());
  const ScriptItem& longer = table.sets[0].items[1];
  EXPECT_EQ(longer.title, "ABCDEFGHIJKLMN");
  EXPECT_EQ(longer.output_mode, 12);
  EXPECT_EQ(longer.display_mode, 0);
  EXPECT_EQ(longer.select[4], "5");
  EXPECT_EQ(longer.initial_value, "init");
  EXPECT_EQ(longer.command, "a;b");
}

TEST(ItemSetFiles, AnItemLineLongerThan255BytesReadsBackWhole) {
  // Every text full and wide numbers: the writer's line passes 255 bytes. It must come back as
  // the same item, not as a cut item followed by its tail read as set 0's slot 0.
  ScriptItemTable table;
  ClearTable(table);
  table.sets[0].present = 1;
  table.sets[0].title = "s";
  table.sets[0].items[0] = Item("first").display(1).width(5);
  table.sets[19].present = 0;
  ScriptItem& full = table.sets[0].items[1];
  full = Item("TTTTTTTTTTTTTTT")
             .output(-2147483647 - 1)
             .display(-2147483647 - 1)
             .edit(-2147483647 - 1)
             .width(-2147483647 - 1);
  for (auto& select : full.select) select = "SSSSSSSSSSSSSSS";
  full.initial_value = std::string(127, 'I');
  full.command = "CCCCCCCCCCCCCCC";
  const std::string bytes = SerializeItemSets(table);
  ASSERT_GT(bytes.find("\r\n", bytes.find("\r\n") + 2), 255u + bytes.find("\r\n") + 2);

  ScriptItemTable read;
  ClearTable(read);
  ParseItemSets(read, bytes);
  EXPECT_TRUE(read.sets[0].items == table.sets[0].items);
  EXPECT_EQ(read.sets[0].items[0].title, "first");

  ItemSlots slots = table.sets[0].items;
  ItemSlots read_slots;
  ParsePartialScript(read_slots, SerializePartialScript(slots));
  EXPECT_TRUE(read_slots == slots);
}

TEST(ItemSetFiles, FilesInTheStartupFolder) {
  TempFolder folder;
  ScriptItemTable table = SampleTable();
  EXPECT_EQ(LoadSetTitles(table, folder.path()), 1);  // missing: cleared, result 1
  EXPECT_EQ(table.sets[0].present, 0);
  EXPECT_EQ(LoadItemSets(table, folder.path()), 1);
  EXPECT_EQ(table.sets[0].items[0].present, 0);

  RecordingPrompter prompter;
  table = SampleTable();
  SaveSetTitles(table, folder.path(), prompter);
  SaveItemSets(table, folder.path(), prompter);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(Visible(folder.Read("drwlt_set1.ini")), Visible(kSampleTitles));
  EXPECT_EQ(Visible(folder.Read("drwlt_set2.ini")), Visible(kSampleItems));
  EXPECT_FALSE(folder.Exists("drwlt_set1.ini.tmp"));

  ScriptItemTable read;
  ClearTable(read);
  EXPECT_EQ(LoadSetTitles(read, folder.path()), 0);
  EXPECT_EQ(LoadItemSets(read, folder.path()), 0);
  EXPECT_EQ(read.sets[1].title, "変換");
  EXPECT_EQ(read.sets[0].items[2].initial_value, "C:\\表\\プリンタ");
}

TEST(ItemSetFiles, EmptyFilesLeaveTheTableEmptyWithoutComplaint) {
  TempFolder folder;
  folder.Write("drwlt_set1.ini", "");
  folder.Write("drwlt_set2.ini", "");
  ScriptItemTable table = SampleTable();
  EXPECT_EQ(LoadSetTitles(table, folder.path()), 0);
  EXPECT_EQ(LoadItemSets(table, folder.path()), 0);
  EXPECT_EQ(PresentSetCount(table), 0);
  EXPECT_EQ(ItemCount(table.sets[0].items), 0);
}

TEST(ItemSetFiles, AFailedSaveKeepsTheOldFileAndSaysSo) {
  TempFolder folder;
  RecordingPrompter prompter;
  // A folder where the file should be: it cannot be replaced.
  folder.MakeFolder("drwlt_set1.ini");
  SaveSetTitles(SampleTable(), folder.path(), prompter);
  const Boxes cannot_save{Box(0, "保存出来ません", "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)};
  EXPECT_EQ(prompter.shown, cannot_save);
  EXPECT_FALSE(folder.Exists("drwlt_set1.ini.tmp"));

  // A folder that does not exist: nothing can be created.
  prompter.shown.clear();
  SaveItemSets(SampleTable(), folder.File("missing"), prompter);
  EXPECT_EQ(prompter.shown, cannot_save);
}

TEST(PartialScriptFile, KeepsGapsAndSlotIndexes) {
  ItemSlots slots;
  slots[0] = Item("図面").output(1).display(1).width(100);
  slots[0].command = "_open";
  slots[2] = Item("用紙").output(4).display(4).edit(4).width(80);
  slots[2].initial_value = "A3";
  const std::string bytes = SerializePartialScript(slots);
  EXPECT_EQ(Visible(bytes),
            Visible("0;図面;1;1;0;100;;;;;;;_open\r\n2;用紙;4;4;4;80;;;;;;A3;\r\n"));

  ItemSlots read;
  read[7] = Item("stale").display(1).width(1);
  ParsePartialScript(read, bytes);
  EXPECT_TRUE(read == slots);
  EXPECT_EQ(ItemCount(read), 1);  // the gap at slot 1 ends the set's walk
}

TEST(PartialScriptFile, ReaderRules) {
  ItemSlots slots;
  ParsePartialScript(slots, "");
  EXPECT_EQ(ItemCount(slots), 0);
  ParsePartialScript(slots, "0;a;0;1;0;5;;;;;;\r\n50;b;0;1;0;5;;;;;;\r\n1;c;0;1;0;5;;;;;;\r\n");
  EXPECT_EQ(slots[0].title, "a");
  EXPECT_EQ(slots[1].present, 0);  // slot 50 ended the load
}

TEST(PartialScriptFile, FilesByFullPath) {
  TempFolder folder;
  ItemSlots slots;
  slots[0] = Item("x").output(2);
  EXPECT_TRUE(SavePartialScriptFile(slots, folder.File("図面.dat")));
  EXPECT_EQ(folder.Read("図面.dat"), "0;x;2;0;0;0;;;;;;;\r\n");
  ItemSlots read;
  read[0] = Item("old").display(1).width(1);
  EXPECT_FALSE(LoadPartialScriptFile(read, folder.File("none.dat")));
  EXPECT_EQ(read[0].title, "old");  // a name that cannot be opened loses nothing
  EXPECT_TRUE(LoadPartialScriptFile(read, folder.File("図面.dat")));
  EXPECT_TRUE(read == slots);
  EXPECT_FALSE(SavePartialScriptFile(slots, JoinPath(folder.File("missing"), "x.dat")));
}

}  // namespace
}  // namespace drawlot
