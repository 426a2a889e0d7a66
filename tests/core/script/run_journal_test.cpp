// The journal of a run: its bytes, reading it back whole or cut, the question and selection at
// the next start, and the record lines it adds.
#include "core/script/run_journal.h"

#include <gtest/gtest.h>

#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Item;

const std::vector<std::string> kDrawings = {"C:\\図面\\a.dwg", "C:\\図面\\b,\"1\".dwg",
                                            "C:\\図面\\表.dwg"};

RunRecordLine Outcome(int position, RunResult result, std::string exit_code) {
  return RunRecordLine{{2026, 12, 8, 9, position, 0},
                       {2026, 12, 8, 9, position, 40},
                       40,
                       "毎行(タイマ)",
                       kDrawings[position - 1],
                       "PDF",
                       "A3",
                       result,
                       std::move(exit_code)};
}

TEST(RunJournal, LinesNameTheRunEachDrawingAndEachOutcome) {
  EXPECT_EQ(RunJournalStartBytes(RunMode::kPerRowTimed, {2026, 12, 8, 9, 0, 5}, kDrawings),
            "開始,毎行(タイマ),2026/12/08 09:00:05\r\n"
            "図面,1,C:\\図面\\a.dwg\r\n"
            "図面,2,\"C:\\図面\\b,\"\"1\"\".dwg\"\r\n"
            "図面,3,C:\\図面\\表.dwg\r\n");
  EXPECT_EQ(RunJournalOutcomeBytes(2, Outcome(2, RunResult::kExitCode, "3")),
            "終了,2,2026/12/08 09:02:00,2026/12/08 09:02:40,40,毎行(タイマ),"
            "\"C:\\図面\\b,\"\"1\"\".dwg\",PDF,A3,異常終了,3\r\n");
}

TEST(RunJournal, ReadsBackWholeCutOrWithLfAndRefusesWhatItNeverWrites) {
  const std::string start =
      RunJournalStartBytes(RunMode::kPerRowTimed, {2026, 12, 8, 9, 0, 5}, kDrawings);
  const std::string first = RunJournalOutcomeBytes(1, Outcome(1, RunResult::kDone, "0"));
  const std::string second = RunJournalOutcomeBytes(2, Outcome(2, RunResult::kExitCode, "3"));
  std::string lf = start + first;
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  struct Case {
    std::string bytes;
    JournalState state;
    std::size_t outcomes;
  };
  const Case cases[] = {
      {start + first + second, JournalState::kRead, 2},
      {lf, JournalState::kRead, 1},
      {start + first + second.substr(0, 30), JournalState::kRead, 1},  // cut in the middle
      {start + first + second.substr(0, second.size() - 1), JournalState::kRead, 1},  // at CR
      {start, JournalState::kRead, 0},
      {start.substr(0, 20), JournalState::kEmpty, 0},
      {"", JournalState::kEmpty, 0},
      {"x,y\r\n" + start, JournalState::kUnreadable, 0},
      {start + "\r\n" + first, JournalState::kUnreadable, 0},
      {start + first + "図面,4,C:\\d.dwg\r\n", JournalState::kUnreadable, 0},
      {start + RunJournalOutcomeBytes(4, Outcome(1, RunResult::kDone, "0")),
       JournalState::kUnreadable, 0},
      {start + RunJournalOutcomeBytes(3, Outcome(1, RunResult::kDone, "0")),
       JournalState::kUnreadable, 0},
  };
  for (const Case& c : cases) {
    const JournalRead read = ParseRunJournal(c.bytes);
    EXPECT_EQ(read.state, c.state) << testing::Visible(c.bytes);
    EXPECT_EQ(read.journal.outcomes.size(), c.outcomes) << testing::Visible(c.bytes);
    if (c.state != JournalState::kRead) continue;
    EXPECT_EQ(read.journal.mode, RunMode::kPerRowTimed);
    EXPECT_EQ(read.journal.drawings, kDrawings);
    EXPECT_EQ(FormatRecordTime(read.journal.start), "2026/12/08 09:00:05");
  }
  const JournalRead read = ParseRunJournal(start + first + second);
  EXPECT_EQ(RunJournalOutcomeBytes(2, read.journal.outcomes[1].line), second);
}

TEST(RunJournal, PickingUpAsksSelectsTheRestAndAddsWhatTheRecordLacks) {
  testing::TempFolder folder;
  EXPECT_FALSE(AppendRunJournal(folder.path(), 1, Outcome(1, RunResult::kDone, "0")));
  EXPECT_FALSE(folder.Exists(kRunJournalFileName));
  EXPECT_EQ(ReadRunJournal(folder.path()).state, JournalState::kMissing);

  ASSERT_TRUE(
      StartRunJournal(folder.path(), RunMode::kPerRowTimed, {2026, 12, 8, 9, 0, 5}, kDrawings));
  // The run recorded its first drawing, then was cut off after the second's outcome line.
  ASSERT_TRUE(AppendRunJournal(folder.path(), 1, Outcome(1, RunResult::kDone, "0")));
  ASSERT_TRUE(AppendRunRecord(folder.path(), Outcome(1, RunResult::kDone, "0")));
  ASSERT_TRUE(AppendRunJournal(folder.path(), 2, Outcome(2, RunResult::kExitCode, "3")));
  const JournalRead read = ReadRunJournal(folder.path());
  ASSERT_EQ(read.state, JournalState::kRead);
  EXPECT_EQ(PickUpQuestion(read.journal),
            "前回の実行は途中で終わりました（3件中2件が終了）。残りの2件を選択しますか？");

  // b,"1".dwg is no longer in the list; 表.dwg is there with its folder in capitals.
  InMemoryRowStore rows;
  rows.InsertColumn(0, "file", 50);
  rows.InsertColumn(1, "folder", 50);
  RowTagSource tags;
  for (const char* name : {"a.dwg", "表.dwg", "c.dwg"}) {
    rows.SetCell(rows.InsertRow(rows.RowCount(), name, kIconDwg, tags.Next()), 1, "c:\\図面");
  }
  MarkRow(rows, 0);
  EXPECT_EQ(SelectRemainingRows(rows, testing::Slots({Item().display(1), Item().display(2)}),
                                read.journal),
            1);
  EXPECT_EQ(testing::SelectedRows(rows), std::vector<int>{1});

  const std::string expected = std::string(kRunRecordHeader) + "\r\n" +
                               RunRecordBytes(Outcome(1, RunResult::kDone, "0")) +
                               RunRecordBytes(Outcome(2, RunResult::kExitCode, "3"));
  ASSERT_TRUE(AddJournalToRecord(folder.path(), read.journal));
  EXPECT_EQ(folder.Read(kRunRecordFileName), expected);
  ASSERT_TRUE(AddJournalToRecord(folder.path(), read.journal));  // nothing twice
  EXPECT_EQ(folder.Read(kRunRecordFileName), expected);

  EXPECT_TRUE(RemoveRunJournal(folder.path()));
  EXPECT_FALSE(folder.Exists(kRunJournalFileName));
}

}  // namespace
}  // namespace drawlot
