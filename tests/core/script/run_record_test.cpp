#include "core/script/run_record.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::TempFolder;

TEST(RunRecord, FieldsAreQuotedOnlyForACommaAQuoteOrALineBreak) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\図面\\表\\a.dwg", "C:\\図面\\表\\a.dwg"},  // 表 ends in 5C: no quoting
      {"", ""},
      {"A3,横", "\"A3,横\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"lf\nonly", "\"lf\nonly\""},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(CsvField(text), field) << text;
}

RunRecordLine SampleLine() {
  return RunRecordLine{{2026, 1, 2, 3, 4, 5},
                       {2026, 1, 2, 3, 5, 7},
                       62,
                       "毎行(タイマ)",
                       "C:\\a,b\\x.dwg",
                       "Printer \"A\"",
                       "A3",
                       RunResult::kExitCode,
                       "7"};
}

TEST(RunRecord, ALineHoldsNineFieldsAndEndsInCrLf) {
  EXPECT_EQ(RunRecordBytes(SampleLine()),
            "2026/01/02 03:04:05,2026/01/02 03:05:07,62,毎行(タイマ),\"C:\\a,b\\x.dwg\","
            "\"Printer \"\"A\"\"\",A3,異常終了,7\r\n");
}

TEST(RunRecord, TheHeaderIsWrittenOnlyWhenTheFileIsNew) {
  TempFolder folder("記録 表");
  ASSERT_TRUE(AppendRunRecord(folder.path(), SampleLine()));
  ASSERT_TRUE(AppendRunRecord(folder.path(), SampleLine()));
  const std::string line = RunRecordBytes(SampleLine());
  EXPECT_EQ(folder.Read(kRunRecordFileName),
            "開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード\r\n" + line + line);
  EXPECT_FALSE(AppendRunRecord(folder.File("no such folder"), SampleLine()));
}

TEST(RunRecord, OverFourMebibytesTheRecordReplacesTheOldOne) {
  TempFolder folder;
  folder.Write(kOldRunRecordFileName, "older");
  folder.Write(kRunRecordFileName, std::string(kRunRecordRotateBytes, 'x'));
  RotateRunRecord(folder.path());  // exactly 4 MiB stays
  EXPECT_EQ(folder.Read(kOldRunRecordFileName), "older");
  folder.Write(kRunRecordFileName, std::string(kRunRecordRotateBytes + 1, 'y'));
  RotateRunRecord(folder.path());
  EXPECT_FALSE(folder.Exists(kRunRecordFileName));
  EXPECT_EQ(folder.Read(kOldRunRecordFileName).size(), kRunRecordRotateBytes + 1);
}

}  // namespace
}  // namespace drawlot
