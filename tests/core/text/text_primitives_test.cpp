#include <gtest/gtest.h>

#include <string>

#include "core/text/cp932.h"
#include "core/text/decimal.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/fixed_text.h"
#include "core/text/line_reader.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

TEST(Cp932, LiteralsAreCompiledToShiftJisBytes) {
  // The build turns UTF-8 literals into CP932: 表 is 95 5C, and the backslash stays 5C.
  EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
  EXPECT_EQ(std::string("ｽﾀｲﾙ"), std::string("\xBD\xC0\xB2\xD9"));
}

TEST(Cp932, LeadBytesAreTheTwoShiftJisRanges) {
  for (int c = 0; c < 256; ++c) {
    const bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(c)), expected) << c;
  }
  EXPECT_FALSE(IsLeadByte('\\'));
  EXPECT_FALSE(IsLeadByte(static_cast<char>(0xA0)));  // half-width katakana are single bytes
}

TEST(Cp932, BackslashSearchSkipsTrailBytes) {
  EXPECT_EQ(FindLastBackslash("C:\\表"), 2u);
  EXPECT_FALSE(EndsWithBackslash("C:\\表"));
  EXPECT_TRUE(EndsWithBackslash("C:\\表\\"));
  EXPECT_EQ(FindLastBackslash("ソ表"), std::string_view::npos);  // ソ is 83 5C too
  EXPECT_EQ(FindLastBackslash(""), std::string_view::npos);
  EXPECT_EQ(FileNameOf("C:\\図面\\表.dwg"), "表.dwg");
  EXPECT_EQ(FileNameOf("ソ表.dwg"), "ソ表.dwg");  // no backslash of its own: the whole text
}

// What a control read keeps: a lead byte whose trail byte is missing would swallow the ";"
// after it when the list is read back, and two cells would become one.
TEST(Cp932, ControlTextsKeepWholeCharactersOnly) {
  const std::string lead = std::string("表").substr(0, 1);
  const struct {
    std::string text;
    std::size_t max_bytes;
    std::string kept;
  } cases[] = {{"ab" + lead, 127, "ab"}, {"表" + lead, 127, "表"}, {lead, 127, ""},
               {"a表b", 2, "a"},         {"a表b", 3, "a表"},       {"a表b", 127, "a表b"},
               {"表\\", 127, "表\\"}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.text.substr(0, Cp932WholeLength(c.text, c.max_bytes)), c.kept) << c.text;
  }
}

TEST(FixedText, HoldsOneByteLessThanItsWidth) {
  FixedText<8> text("12345678901");
  EXPECT_EQ(text.view(), "1234567");
  EXPECT_EQ(FixedText<8>::kCapacity, 7u);
}

TEST(FixedText, CutNeverLeavesHalfADoubleByteCharacter) {
  // "abcdef" + 表: the lead byte would be byte 7 of 7 allowed; it goes with its trail byte.
  FixedText<8> cut("abcdef表");
  EXPECT_EQ(cut.view(), "abcdef");
  FixedText<8> fits("abcde表");
  EXPECT_EQ(fits.view(), "abcde表");
  // A path joined to a cut value keeps its backslash.
  EXPECT_EQ(cut.str() + "\\x", "abcdef\\x");
}

TEST(FixedText, StopsAtNulAndClears) {
  FixedText<16> text(std::string_view("ab\0cd", 5));
  EXPECT_EQ(text.view(), "ab");
  text.Clear();
  EXPECT_TRUE(text.empty());
}

TEST(Decimal, ReadsTheWayTheFilesWereAlwaysRead) {
  EXPECT_EQ(ParseDecimal("42"), 42);
  EXPECT_EQ(ParseDecimal(" 12abc"), 12);
  EXPECT_EQ(ParseDecimal("\t-7;"), -7);
  EXPECT_EQ(ParseDecimal("+5"), 5);
  EXPECT_EQ(ParseDecimal("abc"), 0);
  EXPECT_EQ(ParseDecimal(""), 0);
  EXPECT_EQ(ParseDecimal("-"), 0);
  EXPECT_EQ(ParseDecimal("- 5"), 0);
  EXPECT_EQ(ParseDecimal("99999999999999999999"), 2147483647);
  EXPECT_EQ(ParseDecimal("-99999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(ParseDecimal("-2147483648"), -2147483647 - 1);
}

TEST(Decimal, TypedNumbersTakeFullWidthDigitsAndBlanksOnly) {
  const struct {
    std::string_view text;
    std::optional<int> expected;
  } cases[] = {{"10", 10},         {"１０", 10},     {" 1０ ", 10},
               {"\t86400", 86400}, {"86401", {}},    {"９９９９９９９９９９９", {}},
               {"", {}},           {"  ", {}},       {"-1", {}},
               {"+5", {}},         {"5秒", {}},      {"1 0", {}},
               {"\x82", {}},       {"\x82\x60", {}}, {"0", 0}};
  for (const auto& c : cases) EXPECT_EQ(ParseTypedNumber(c.text, 0, 86400), c.expected) << c.text;
}

TEST(Decimal, WritesPlainDecimal) {
  EXPECT_EQ(FormatDecimal(0), "0");
  EXPECT_EQ(FormatDecimal(-15), "-15");
  EXPECT_EQ(FormatDecimal(100), "100");
}

std::vector<std::string> ReadAll(std::string_view bytes, std::size_t limit,
                                 CarriageReturns cr = CarriageReturns::kLineEndOnly) {
  LineReader reader(bytes, cr);
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(limit, line)) lines.push_back(line);
  return lines;
}

TEST(LineReader, SplitsAtLfAndCrLf) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadAll("a\r\nb\nc", 10), (V{"a", "b", "c"}));
  EXPECT_EQ(ReadAll("a\r\n\r\nb\r\n", 10), (V{"a", "", "b"}));
  EXPECT_EQ(ReadAll("", 10), V{});
  // A lone CR is an ordinary byte unless every CR is dropped.
  EXPECT_EQ(ReadAll("a\rb\r\n", 10), (V{"a\rb"}));
  EXPECT_EQ(ReadAll("a\rb\r\r\n", 10, CarriageReturns::kDropAll), (V{"ab"}));
}

TEST(LineReader, LongerLinesComeBackInPieces) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ReadAll("abcdefg\r\nh\r\n", 3), (V{"abc", "def", "g", "h"}));
  // A line of exactly the limit is one line; its line end is not a second, empty line.
  EXPECT_EQ(ReadAll("abc\r\nd\r\n", 3), (V{"abc", "d"}));
  EXPECT_EQ(ReadAll("abcdef\nx", 3), (V{"abc", "def", "x"}));
}

TEST(Fields, SplitIntoExactlyTheCountAsked) {
  auto f = SplitFields("a;;b", ';', 4);
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0], "a");
  EXPECT_EQ(f[1], "");
  EXPECT_EQ(f[2], "b");
  EXPECT_EQ(f[3], "");  // not reached by the line
  auto rest = SplitFields("1;x;y;z", ';', 2);
  EXPECT_EQ(rest[1], "x;y;z");  // the last field runs to the end of the line
  EXPECT_EQ(UpToNul(std::string_view("ab\0c", 4)), "ab");
}

TEST(JoinPath, AddsOneSeparatorJudgedByTheLeadByteRule) {
  const std::string sep(1, kPathSeparator);
  EXPECT_EQ(JoinPath("dir", "f.ini"), "dir" + sep + "f.ini");
  EXPECT_EQ(JoinPath("C:\\", "f.ini"), "C:\\f.ini");
  // 表 ends in 5C, but it is no separator.
  EXPECT_EQ(JoinPath("C:\\表", "f.ini"), "C:\\表" + sep + "f.ini");
  EXPECT_EQ(JoinPath("", "f.ini"), "f.ini");
}

TEST(ReplacingFile, ReplacesTheTargetOnlyAtCommit) {
  const testing::TempFolder folder;
  const std::string target = folder.File("a.scr");
  folder.Write("a.scr", "old");
  {
    ReplacingFile file(target);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("first "));
    EXPECT_TRUE(file.Write("second"));
    EXPECT_EQ(folder.Read("a.scr"), "old");  // nothing seen before the commit
    EXPECT_TRUE(file.Commit());
  }
  EXPECT_EQ(folder.Read("a.scr"), "first second");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.scr"});

  // Dropped without a commit: the old file stays and the temporary file goes.
  {
    ReplacingFile file(target);
    EXPECT_TRUE(file.Write("half"));
  }
  EXPECT_EQ(folder.Read("a.scr"), "first second");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.scr"});

  // A target that cannot be replaced (a folder of that name): the commit fails, cleanly.
  folder.MakeFolder("b.scr");
  ReplacingFile blocked(folder.File("b.scr"));
  EXPECT_TRUE(blocked.Write("text"));
  EXPECT_FALSE(blocked.Commit());
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.scr", "b.scr"}));
  EXPECT_FALSE(blocked.Write("more"));

  // No temporary file could be made: every step says so.
  ReplacingFile nowhere(JoinPath(folder.File("missing"), "c.scr"));
  EXPECT_FALSE(nowhere.IsOpen());
  EXPECT_FALSE(nowhere.Write("text"));
  EXPECT_FALSE(nowhere.Commit());
}

}  // namespace
}  // namespace drawlot
