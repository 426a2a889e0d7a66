#include "core/script/script_writer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "core/list/list_test_support.h"
#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Item;
using testing::RecordingPrompter;
using testing::Slots;
using testing::TempFolder;
using testing::Visible;

constexpr WindowRef kOwner = 0x1234;
constexpr std::string_view kTrailer = "open \"C:\\END\\end.dwg\"\r\nquit\r\n";

// The set of the worked example: file name, folder, a hidden "open" item, a displayed
// whole-text item and a hidden empty command.
ItemSlots ExampleSlots() {
  return Slots({Item().display(1), Item().display(2), Item().output(1).command("open"),
                Item().display(4).output(4), Item().output(2)});
}

void AddColumns(InMemoryRowStore& rows, int count) {
  for (int c = 0; c < count; ++c) rows.InsertColumn(c, "c", 50);
}

void AddRow(InMemoryRowStore& rows, std::initializer_list<std::string_view> cells) {
  const int row = rows.InsertRow(rows.RowCount(), *cells.begin(), kIconDwg, rows.RowCount());
  int column = 0;
  for (std::string_view cell : cells) rows.SetCell(row, column++, cell);
}

void Select(InMemoryRowStore& rows, int row) {
  rows.SetRowState(row, kMarkStates, kMarkStates);
}

class ScriptWriterTest : public ::testing::Test {
 protected:
  ScriptWriterTest() {
    settings.end_file_dwg = "C:\\END\\end.dwg";
    AddColumns(rows, 3);
  }

  bool Write(ScriptRowScope scope, const ItemSlots& items) {
    return WriteScript(kOwner, rows, scope, path, items, settings, prompter);
  }
  // The script of `items` over the rows, all rows.
  std::string ScriptOf(const ItemSlots& items) {
    EXPECT_TRUE(Write(ScriptRowScope::kAll, items));
    return folder.Read("run.scr");
  }
  void ExpectOneBox(std::string_view text, std::string_view title) {
    EXPECT_EQ(prompter.shown, (testing::Boxes{testing::Box(kOwner, text, title, Icon::kWarning)}));
  }
  std::string BadPath() const { return JoinPath(folder.File("missing"), "run.scr"); }

  TempFolder folder{"script"};
  std::string path = folder.File("run.scr");
  InMemoryRowStore rows;
  EnvironmentSettings settings;
  RecordingPrompter prompter;
};

TEST_F(ScriptWriterTest, WorkedExampleByteForByte) {
  AddRow(rows, {"A.dwg", "C:\\DWG", "Y"});
  AddRow(rows, {"B.dwg", "C:\\DWG\\", "N"});
  const std::string expected =
      "open \"C:\\DWG\\A.dwg\"\r\nY\r\n\r\n"
      "open \"C:\\DWG\\B.dwg\"\r\nN\r\n\r\n" +
      std::string(kTrailer);
  EXPECT_EQ(Visible(ScriptOf(ExampleSlots())), Visible(expected));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ScriptWriterTest, ReplacesAnOldScriptWhole) {
  folder.Write("run.scr", std::string(5000, 'x'));
  AddRow(rows, {"A.dwg", "C:\\DWG", "Y"});
  EXPECT_EQ(
      ScriptOf(Slots({Item().display(1), Item().display(2), Item().output(2).command("zoom")})),
      "zoom\r\n" + std::string(kTrailer));
  EXPECT_FALSE(folder.Exists("run.scr.tmp"));
}

// Rows enough for a script of several megabytes, which the writer builds and writes in pieces:
// row i has the file name "D<i>.dwg", a long folder whose end varies (a separator of its own,
// a name ending in 表, plain) and an answer cut to 127 bytes every seventh row.
class LongScriptTest : public ScriptWriterTest {
 protected:
  static constexpr int kRows = 30000;

  LongScriptTest() {
    const std::string base = "C:\\" + std::string(90, 'f');
    for (int i = 0; i < kRows; ++i) {
      const std::string name = "D" + std::to_string(i) + ".dwg";
      const std::string folder = base + (i % 3 == 0 ? "\\" : i % 3 == 1 ? "\\一覧表" : "\\x");
      const std::string answer = i % 7 == 0 ? std::string(130, 'a') : "A" + std::to_string(i);
      AddRow(rows, {name, folder, answer});
      // What the script must say for this row, put together here rather than by the writer.
      const std::string path = folder + (i % 3 == 0 ? "" : "\\") + name;
      expected += "open \"" + path + "\"\r\n" + answer.substr(0, 127) + "\r\n\r\n";
    }
    expected += kTrailer;
  }

  std::string expected;
};

TEST_F(LongScriptTest, ManyRowsByteForByte) {
  const std::string script = ScriptOf(ExampleSlots());
  ASSERT_GT(script.size(), 3'000'000u);
  ASSERT_EQ(script.size(), expected.size());
  EXPECT_TRUE(script == expected);  // (not printed: megabytes)
  EXPECT_FALSE(folder.Exists("run.scr.tmp"));
}

#ifndef _WIN32
// A file-size limit makes the write fail after the first megabyte, part-way through the rows.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  void (*old_handler_)(int) = SIG_DFL;
};

TEST_F(LongScriptTest, AFailurePartWayKeepsTheOldScriptAndTheSelection) {
  folder.Write("run.scr", "old script\r\n");
  rows.SetRowState(kNoRow, kMarkStates, kMarkStates);
  {
    const FileSizeLimit limit(1'500'000);
    EXPECT_FALSE(Write(ScriptRowScope::kSelected, ExampleSlots()));
    EXPECT_EQ(folder.Read("run.scr"), "old script\r\n");
    EXPECT_FALSE(folder.Exists("run.scr.tmp"));
  }
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー");
  EXPECT_EQ(rows.SelectedCount(), kRows);  // kept, so the same rows can be written again

  prompter.shown.clear();
  EXPECT_TRUE(Write(ScriptRowScope::kSelected, ExampleSlots()));
  EXPECT_TRUE(folder.Read("run.scr") == expected);
  EXPECT_EQ(rows.SelectedCount(), 0);
  EXPECT_TRUE(prompter.shown.empty());
}
#endif

// Row blocks written into a heap buffer of exactly the room the plan asks for, so the sanitizer
// sees any byte written past it. The cells are longer than any read and full of double-byte
// characters, so every read fills its buffer and every cut falls inside a character.
class RowBlockRoomTest : public ScriptWriterTest {
 protected:
  RowBlockRoomTest() {
    AddColumns(rows, 47);  // 50 in all
    rows.InsertRow(0, kLongCell, kIconDwg, 1);
    for (int column = 1; column < 50; ++column) rows.SetCell(0, column, kLongCell);
  }
  std::string Block(const ItemSlots& items) {
    ScriptPlan plan(items);
    std::vector<char> room(plan.MaxRowBytes());
    const std::size_t size = plan.WriteRowBlock(room.data(), rows, 0);
    EXPECT_LE(size, room.size());
    return std::string(room.data(), size);
  }

  static std::string Repeat(std::string_view text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) repeated += text;
    return repeated;
  }
  // 401 bytes: "x" and 200 times 表, whose bytes 95 5C straddle every even cut.
  const std::string kLongCell = "x" + Repeat("表", 200);
};

TEST_F(RowBlockRoomTest, EachKindOfLineFillsItsRoomExactly) {
  // The path: both parts cut to 259 bytes ("x" and 129 表), a separator between them.
  const std::string part = "x" + Repeat("表", 129);
  EXPECT_TRUE(Block(Slots({Item().display(1), Item().display(2),
                           Item().output(1).command("12345678901234")})) ==
              "12345678901234 \"" + part + "\\" + part + "\"\r\n");
  // Whole text cut to 127 bytes ("x" and 63 表), and a first byte.
  EXPECT_TRUE(Block(Slots({Item().display(4).output(4)})) == "x" + Repeat("表", 63) + "\r\n");
  EXPECT_TRUE(Block(Slots({Item().display(4).output(3)})) == "x\r\n");
  EXPECT_EQ(Block(Slots({Item().output(2).command("123456789012345")})), "123456789012345\r\n");
}

TEST_F(RowBlockRoomTest, FiftyItemsOfEveryModeStayWithinTheirRoom) {
  for (int mix = 0; mix < 5; ++mix) {
    ItemSlots items{};
    for (int slot = 0; slot < 50; ++slot) {
      const int output_mode = mix < 4 ? mix + 1 : slot % 4 + 1;
      const int display_mode = slot == 0 ? 1 : slot == 1 ? 2 : 4;
      items[slot] = Item().display(display_mode).output(output_mode).command("123456789012345");
    }
    EXPECT_FALSE(Block(items).empty()) << "mix " << mix;
  }
}

TEST_F(ScriptWriterTest, PathSeparatorFollowsTheLeadByteRule) {
  AddRow(rows, {"A.dwg", "C:\\DWG", ""});
  AddRow(rows, {"A.dwg", "C:\\DWG\\", ""});
  AddRow(rows, {"A.dwg", "\\", ""});  // a one-byte folder always gets a separator, even this one
  AddRow(rows, {"A.dwg", "", ""});
  AddRow(rows, {"A.dwg", "C:\\図表", ""});  // 表 is 95 5C: its trail byte is no separator
  AddRow(rows, {"a", "C:\\表", ""});
  AddRow(rows, {"A.dwg", "C:\\図表\\", ""});
  EXPECT_EQ(Visible(ScriptOf(
                Slots({Item().display(1), Item().display(2), Item().output(1).command("open")}))),
            Visible("open \"C:\\DWG\\A.dwg\"\r\n"
                    "open \"C:\\DWG\\A.dwg\"\r\n"
                    "open \"\\\\A.dwg\"\r\n"
                    "open \"\\A.dwg\"\r\n"
                    "open \"C:\\図表\\A.dwg\"\r\n"
                    "open \"C:\\\x95\x5C\\a\"\r\n"
                    "open \"C:\\図表\\A.dwg\"\r\n" +
                    std::string(kTrailer)));
}

TEST_F(ScriptWriterTest, OutputModesOfTheCellColumn) {
  AddRow(rows, {"YES", "表示", ""});
  const std::string script = ScriptOf(Slots({
      Item().display(4).output(3),  // column 0, first byte
      Item().display(4).output(
          3),  // column 1, first byte of a double-byte character: its lead byte
      Item().display(4).output(4),        // column 2, empty cell: an empty line
      Item().output(2),                   // empty command: an empty line
      Item().output(2).command("-plot"),  // the command verbatim
      Item().display(4),                  // column 3 exists only in the set: nothing
      Item().display(4).output(7),        // a mode outside the table writes nothing
  }));
  EXPECT_EQ(Visible(script), Visible("Y\r\n\x95\r\n\r\n\r\n-plot\r\n" + std::string(kTrailer)));
}

TEST_F(ScriptWriterTest, WholeTextIsCutTo127BytesOnACharacterBoundary) {
  const std::string long_text(130, 'a');
  const std::string straddling = std::string(126, 'b') + "表x";  // 表 would be bytes 127-128
  AddRow(rows, {long_text, straddling, ""});
  EXPECT_EQ(
      ScriptOf(Slots({Item().display(4).output(4), Item().display(4).output(4)})),
      std::string(127, 'a') + "\r\n" + std::string(126, 'b') + "\r\n" + std::string(kTrailer));
}

TEST_F(ScriptWriterTest, HiddenItemsReadTheColumnOfTheLastDisplayedItemBeforeThem) {
  AddRow(rows, {"A.dwg", "second", "third"});
  const std::string script = ScriptOf(Slots({
      Item().output(4),  // no displayed item yet: the counter is -1, an empty line
      Item().output(3), Item().display(1),  // column 0
      Item().display(3),                    // column 1
      Item().output(4),                     // reads column 1
      Item().display(4).output(3),          // column 2
      Item().output(4),                     // reads column 2
  }));
  EXPECT_EQ(script, "\r\n\r\nsecond\r\nt\r\nthird\r\n" + std::string(kTrailer));
}

TEST_F(ScriptWriterTest, LastFileNameAndFolderItemsMakeThePath) {
  AddRow(rows, {"old.dwg", "C:\\A", "new.dwg"});
  rows.InsertColumn(3, "d", 50);
  rows.SetCell(0, 3, "C:\\B");
  EXPECT_EQ(ScriptOf(Slots({Item().display(1), Item().display(2),
                            Item().display(1).output(1).command("open"), Item().display(2)})),
            "open \"C:\\B\\new.dwg\"\r\n" + std::string(kTrailer));
}

TEST_F(ScriptWriterTest, PathWithoutAFolderOrFileNameColumn) {
  AddRow(rows, {"A.dwg", "C:\\DWG", ""});
  // No folder column: the file name alone, not a path below the drive root.
  EXPECT_EQ(ScriptOf(Slots({Item().display(1), Item().output(1).command("open")})),
            "open \"A.dwg\"\r\n" + std::string(kTrailer));
  // No file-name column: the folder and its separator.
  EXPECT_EQ(
      ScriptOf(Slots({Item().display(3), Item().display(2), Item().output(1).command("open")})),
      "open \"C:\\DWG\\\"\r\n" + std::string(kTrailer));
}

TEST_F(ScriptWriterTest, SetWithoutOutputWritesOnlyTheTrailer) {
  AddRow(rows, {"A.dwg", "C:\\DWG", "Y"});
  AddRow(rows, {"B.dwg", "C:\\DWG", "N"});
  EXPECT_EQ(ScriptOf(Slots({Item().display(1), Item().display(2), Item().display(4)})), kTrailer);
  EXPECT_EQ(ScriptOf(ItemSlots{}), kTrailer);
}

class ScriptScopeTest : public ScriptWriterTest {
 protected:
  ScriptScopeTest() {
    for (const char* name : {"0.dwg", "1.dwg", "2.dwg", "3.dwg"}) AddRow(rows, {name, "C:", ""});
  }
  static ItemSlots NameOnly() { return Slots({Item().display(1).output(4)}); }
  static std::string Lines(std::initializer_list<const char*> names) {
    std::string script;
    for (const char* name : names) script += std::string(name) + "\r\n";
    return script + std::string(kTrailer);
  }
  unsigned StatesOf(int row) const { return rows.GetRowState(row, ~0u); }
};

TEST_F(ScriptScopeTest, SelectedRowsComeInListOrderAndEndUnmarked) {
  Select(rows, 3);
  Select(rows, 1);
  for (ScriptRowScope scope : {ScriptRowScope::kSelected, ScriptRowScope::kSelectedOrAll}) {
    ASSERT_TRUE(Write(scope, NameOnly()));
    EXPECT_EQ(folder.Read("run.scr"), Lines({"1.dwg", "3.dwg"}));
    EXPECT_EQ(rows.SelectedCount(), 0);
    EXPECT_EQ(StatesOf(1) | StatesOf(3), 0u);  // focus and drop highlight go too
    Select(rows, 3);
    Select(rows, 1);
  }
}

TEST_F(ScriptScopeTest, AllRowsLeaveTheSelectionAlone) {
  Select(rows, 2);
  ASSERT_TRUE(Write(ScriptRowScope::kAll, NameOnly()));
  EXPECT_EQ(folder.Read("run.scr"), Lines({"0.dwg", "1.dwg", "2.dwg", "3.dwg"}));
  EXPECT_EQ(StatesOf(2), kMarkStates);
}

TEST_F(ScriptScopeTest, NothingSelected) {
  ASSERT_TRUE(Write(ScriptRowScope::kSelectedOrAll, NameOnly()));
  EXPECT_EQ(folder.Read("run.scr"), Lines({"0.dwg", "1.dwg", "2.dwg", "3.dwg"}));
  EXPECT_TRUE(prompter.shown.empty());

  EXPECT_FALSE(Write(ScriptRowScope::kSelected, NameOnly()));
  ExpectOneBox("ファイルが選択していません", "選択ミス");
  EXPECT_TRUE(folder.Exists("run.scr"));
  EXPECT_EQ(folder.Read("run.scr"), "");  // emptied, as the run always left it
}

TEST_F(ScriptWriterTest, EmptyListIsRefusedAndEmptiesTheScript) {
  folder.Write("run.scr", "old script\r\n");
  EXPECT_FALSE(Write(ScriptRowScope::kAll, ExampleSlots()));
  ExpectOneBox("リストビューに項目がありません", "実行エラー");
  EXPECT_EQ(folder.Read("run.scr"), "");
}

TEST_F(ScriptWriterTest, ScriptThatCannotBeWritten) {
  // Reported before anything else, as the file is the first thing the run opens.
  path = BadPath();
  EXPECT_FALSE(Write(ScriptRowScope::kAll, ExampleSlots()));
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー");

  prompter.shown.clear();
  AddRow(rows, {"A.dwg", "C:\\DWG", "Y"});
  Select(rows, 0);
  EXPECT_FALSE(Write(ScriptRowScope::kSelected, ExampleSlots()));
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー");
  EXPECT_EQ(rows.SelectedCount(), 1);  // kept, so the same rows can be written again
}

// A run's start names its rows itself: the selection changed since the run began skips nothing.
TEST_F(ScriptScopeTest, AStartWritesItsRowsWhateverIsSelectedAndUnmarksThem) {
  Select(rows, 1);
  Select(rows, 3);
  EXPECT_TRUE(WriteStartScript(kOwner, rows, {3}, path, NameOnly(), settings, prompter));
  EXPECT_EQ(folder.Read("run.scr"), Lines({"3.dwg"}));
  EXPECT_EQ(StatesOf(3), 0u);
  EXPECT_EQ(StatesOf(1), kMarkStates);
  EXPECT_TRUE(WriteStartScript(kOwner, rows, {2, 0}, path, NameOnly(), settings, prompter));
  EXPECT_EQ(folder.Read("run.scr"), Lines({"2.dwg", "0.dwg"}));
  // 全スクリプト実行 leaves the selection as it is.
  EXPECT_TRUE(WriteStartScript(kOwner, rows, {1}, path, NameOnly(), settings, prompter, false));
  EXPECT_EQ(StatesOf(1), kMarkStates);
  path = BadPath();
  EXPECT_FALSE(WriteStartScript(kOwner, rows, {1}, path, NameOnly(), settings, prompter));
  ExpectOneBox("実行スクリプトファイルが開けません", "ファイルＯＰＥＮエラー");
  EXPECT_EQ(StatesOf(1), kMarkStates);
}

}  // namespace
}  // namespace drawlot
