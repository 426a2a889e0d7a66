// The run record read back: which drawings it saw plotted and when, and the rows that changed
// since or were never plotted.
#include "core/script/run_history.h"

#include <gtest/gtest.h>

#include "core/list/list_test_support.h"
#include "core/list/row_marks.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Item;

// A record line as RunRecordBytes writes it, started at 10:mm:ss on 2026/12/01.
std::string Line(std::string_view drawing, int minute, std::string_view result = "完了") {
  const RunResult kind = result == "完了" ? RunResult::kDone : RunResult::kExitCode;
  return RunRecordBytes(RunRecordLine{{2026, 12, 1, 10, minute, 0},
                                      {2026, 12, 1, 10, minute, 30},
                                      30,
                                      "毎行(１処理)",
                                      std::string(drawing),
                                      "PDF,1",
                                      "A3",
                                      kind,
                                      result == "完了" ? "0" : "3"});
}

// The line with its CR LF replaced by `end`.
std::string Ending(std::string line, std::string_view end) {
  return line.replace(line.size() - 2, 2, end);
}

std::optional<int> MinuteDone(const PlotHistory& history, std::string_view path) {
  const std::optional<LocalTime> start = history.LatestDone(path);
  return start ? std::optional<int>(start->minute) : std::nullopt;
}

TEST(PlotHistory, ReadsTheLinesItWroteAndPassesOverAnythingElse) {
  const std::string header = std::string(kRunRecordHeader) + "\r\n";
  const std::string odd = "C:\\a,\"b\"\\x.dwg";
  struct Case {
    std::string bytes;
    std::string_view path;
    std::optional<int> minute;
  };
  const Case cases[] = {
      {header + Line("C:\\d\\a.dwg", 5), "C:\\d\\a.dwg", 5},
      {header + Line(odd, 6), odd, 6},  // quoted, its quotes doubled
      {Line("C:\\d\\a.dwg", 7) + Line("C:\\d\\a.dwg", 3), "C:\\d\\a.dwg", 7},  // latest by time
      {Line("C:\\d\\a.dwg", 7) + Line("C:\\d\\a.dwg", 9, "異常終了"), "C:\\d\\a.dwg", 7},
      {Line("C:\\d\\a.dwg", 1, "異常終了"), "C:\\d\\a.dwg", std::nullopt},
      // ASCII letters in either case; a trail byte is never folded (ア 83 41, ヂ 83 61).
      {Line("C:\\D\\表\\ア.DWG", 2), "c:\\d\\表\\ア.dwg", 2},
      {Line("C:\\ア.dwg", 2), "C:\\ヂ.dwg", std::nullopt},
      // A stray quote costs its own line only; LF alone ends a line too.
      {"x\"y,1\r\n" + Line("C:\\b.dwg", 4), "C:\\b.dwg", 4},
      {"\"open\r\n" + Line("C:\\b.dwg", 4), "C:\\b.dwg", 4},
      {Ending(Line("C:\\b.dwg", 8), "\n"), "C:\\b.dwg", 8},
      // Not this program's fields: a time of another shape, a tenth field, a cut last line.
      {"2026/12/1 10:05:00,2026/12/01 10:05:30,30,毎行(１処理),C:\\b.dwg,,,完了,0\r\n", "C:\\b.dwg",
       std::nullopt},
      {Ending(Line("C:\\b.dwg", 4), ",x\r\n"), "C:\\b.dwg", std::nullopt},
      {Ending(Line("C:\\b.dwg", 4), ""), "C:\\b.dwg", std::nullopt},
  };
  for (const Case& c : cases) {
    PlotHistory history;
    history.AddRecord(c.bytes);
    EXPECT_EQ(MinuteDone(history, c.path), c.minute) << testing::Visible(c.bytes);
  }
}

TEST(PlotHistory, ARowIsChangedWhenWrittenAfterTheStartOfItsLatestPlot) {
  PlotHistory history;
  history.AddRecord(Line("C:\\a.dwg", 5));
  struct Case {
    std::string_view path;
    std::optional<LocalTime> written;
    PlotState state;
  };
  const Case cases[] = {
      {"C:\\a.dwg", LocalTime{2026, 12, 1, 10, 5, 0}, PlotState::kUpToDate},  // the same second
      {"C:\\a.dwg", LocalTime{2026, 12, 1, 10, 5, 1}, PlotState::kChanged},
      {"C:\\a.dwg", LocalTime{2026, 11, 30, 23, 59, 59}, PlotState::kUpToDate},
      {"C:\\a.dwg", LocalTime{2027, 1, 1, 0, 0, 0}, PlotState::kChanged},
      {"C:\\a.dwg", std::nullopt, PlotState::kUpToDate},  // the file is gone
      {"C:\\b.dwg", LocalTime{2020, 1, 1, 0, 0, 0}, PlotState::kNeverPlotted},
      {"C:\\b.dwg", std::nullopt, PlotState::kNeverPlotted},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlotStateOf(history, c.path, c.written), c.state)
        << c.path << " " << (c.written ? c.written->second : -1);
  }
}

TEST(PlotHistory, BothRecordFilesSelectTheRowsThatChangedOrWereNeverPlotted) {
  testing::TempFolder folder;
  folder.Write(kOldRunRecordFileName, Line("C:\\図面\\old.dwg", 1) + Line("C:\\図面\\new.dwg", 1));
  folder.Write(kRunRecordFileName, std::string(kRunRecordHeader) + "\r\n" +
                                       Line("C:\\図面\\NEW.dwg", 30) +
                                       Line("C:\\図面\\bad.dwg", 30, "中止"));
  const PlotHistoryRead read = ReadPlotHistory(folder.path());
  EXPECT_EQ(read.record, ReadOutcome::kRead);
  EXPECT_EQ(read.old_record, ReadOutcome::kRead);

  InMemoryRowStore rows;
  rows.InsertColumn(0, "file", 50);
  rows.InsertColumn(1, "folder", 50);
  RowTagSource tags;
  for (const char* name : {"old.dwg", "new.dwg", "bad.dwg", "none.dwg"}) {
    rows.SetCell(rows.InsertRow(rows.RowCount(), name, kIconDwg, tags.Next()), 1, "C:\\図面");
  }
  MarkRow(rows, 1);
  // Every file was written at 10:10: after old.dwg's plot, before new.dwg's latest.
  const ChangedSelection selection =
      SelectWhatChanged(rows, testing::Slots({Item().display(1), Item().display(2)}), read.history,
                        [](const std::string&) {
                          return std::optional<LocalTime>({2026, 12, 1, 10, 10, 0});
                        });
  EXPECT_EQ(testing::SelectedRows(rows), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(ChangedSelectionText(selection), "変更 1件・未印刷 2件を選択しました");

  folder.Write(kRunRecordFileName, std::string(kRunRecordReadLimit + 1, '\n'));
  EXPECT_EQ(ReadPlotHistory(folder.path()).record, ReadOutcome::kUnreadable);
}

}  // namespace
}  // namespace drawlot
