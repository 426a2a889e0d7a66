#include "core/script/run_journal.h"

#include <cstdio>
#include <unordered_set>

#include "core/list/row_marks.h"
#include "core/script/run_history.h"
#include "core/script/script_writer.h"
#include "core/text/file_io.h"

namespace drawlot {
namespace {

constexpr std::string_view kStartTag = "開始";
constexpr std::string_view kDrawingTag = "図面";
constexpr std::string_view kOutcomeTag = "終了";

// A position of 1 to `count` written in digits, or 0.
int PositionOf(std::string_view text, std::size_t count) {
  if (text.empty() || text.size() > 9 || text[0] == '0') return 0;
  std::size_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + static_cast<std::size_t>(c - '0');
  }
  return value <= count ? static_cast<int>(value) : 0;
}

bool ReadStartLine(const std::vector<std::string>& fields, RunJournal& journal) {
  if (fields.size() != 3 || fields[0] != kStartTag) return false;
  const std::optional<RunMode> mode = RunModeOfText(fields[1]);
  const std::optional<LocalTime> start = ParseRecordTime(fields[2]);
  if (!mode || !start) return false;
  journal.mode = *mode;
  journal.start = *start;
  return true;
}

bool ReadDrawingLine(const std::vector<std::string>& fields, RunJournal& journal) {
  // Drawings come before any outcome, numbered from 1 without a gap.
  if (fields.size() != 3 || fields[0] != kDrawingTag || !journal.outcomes.empty() ||
      PositionOf(fields[1], journal.drawings.size() + 1) !=
          static_cast<int>(journal.drawings.size()) + 1) {
    return false;
  }
  journal.drawings.push_back(fields[2]);
  return true;
}

bool ReadOutcomeLine(const std::vector<std::string>& fields, RunJournal& journal) {
  if (fields.size() != 11 || fields[0] != kOutcomeTag) return false;
  const int position = PositionOf(fields[1], journal.drawings.size());
  if (position == 0) return false;
  std::optional<RunRecordLine> line = RecordLineOf(std::span<const std::string>(fields).subspan(2));
  // The outcome names the drawing it belongs to, in the run's mode.
  if (!line || line->drawing != journal.drawings[position - 1] ||
      line->mode != RunModeText(journal.mode)) {
    return false;
  }
  journal.outcomes.push_back(JournalOutcome{position, std::move(*line)});
  return true;
}

std::string RecordText(const FileContent& content) {
  return content.outcome == ReadOutcome::kRead ? content.bytes : std::string();
}

}  // namespace

std::string RunJournalStartBytes(RunMode mode, const LocalTime& start,
                                 std::span<const std::string> drawings) {
  std::string bytes = std::string(kStartTag) + "," + CsvField(RunModeText(mode)) + "," +
                      FormatRecordTime(start) + "\r\n";
  for (std::size_t i = 0; i < drawings.size(); ++i) {
    bytes += std::string(kDrawingTag) + "," + std::to_string(i + 1) + "," + CsvField(drawings[i]) +
             "\r\n";
  }
  return bytes;
}

std::string RunJournalOutcomeBytes(int position, const RunRecordLine& line) {
  return std::string(kOutcomeTag) + "," + std::to_string(position) + "," + RunRecordBytes(line);
}

bool StartRunJournal(std::string_view folder, RunMode mode, const LocalTime& start,
                     std::span<const std::string> drawings) {
  return SaveFileReplacing(JoinPath(folder, kRunJournalFileName),
                           RunJournalStartBytes(mode, start, drawings));
}

bool AppendRunJournal(std::string_view folder, int position, const RunRecordLine& line) {
  return AppendWrittenThrough(JoinPath(folder, kRunJournalFileName),
                              RunJournalOutcomeBytes(position, line));
}

bool RemoveRunJournal(std::string_view folder) {
  const std::string path = JoinPath(folder, kRunJournalFileName);
  if (std::remove(path.c_str()) == 0) return true;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return true;
  std::fclose(file);
  return false;
}

JournalRead ParseRunJournal(std::string_view bytes) {
  JournalRead read;
  CsvLines lines(bytes);
  CsvLine line;
  bool started = false;
  while (lines.Next(line)) {
    // Only the last line can lack its line end: the append a power cut stopped.
    if (!line.ended) break;
    const bool known = line.well_formed && (started ? ReadDrawingLine(line.fields, read.journal) ||
                                                          ReadOutcomeLine(line.fields, read.journal)
                                                    : ReadStartLine(line.fields, read.journal));
    if (!known) return JournalRead{JournalState::kUnreadable, {}};
    started = true;
  }
  read.state = started ? JournalState::kRead : JournalState::kEmpty;
  if (!started) read.journal = RunJournal{};
  return read;
}

JournalRead ReadRunJournal(std::string_view folder) {
  const FileContent content =
      ReadWholeFile(JoinPath(folder, kRunJournalFileName), kRunJournalReadLimit);
  switch (content.outcome) {
    case ReadOutcome::kMissing:
      return JournalRead{JournalState::kMissing, {}};
    case ReadOutcome::kUnreadable:
      return JournalRead{JournalState::kUnreadable, {}};
    case ReadOutcome::kRead:
      break;
  }
  return ParseRunJournal(content.bytes);
}

int EndedCount(const RunJournal& journal) {
  std::vector<bool> ended(journal.drawings.size());
  int count = 0;
  for (const JournalOutcome& outcome : journal.outcomes) {
    if (!ended[outcome.position - 1]) ++count;
    ended[outcome.position - 1] = true;
  }
  return count;
}

std::vector<std::string> RemainingDrawings(const RunJournal& journal) {
  std::vector<bool> done(journal.drawings.size());
  for (const JournalOutcome& outcome : journal.outcomes) {
    if (outcome.line.result == RunResult::kDone) done[outcome.position - 1] = true;
  }
  std::vector<std::string> remaining;
  for (std::size_t i = 0; i < journal.drawings.size(); ++i) {
    if (!done[i]) remaining.push_back(journal.drawings[i]);
  }
  return remaining;
}

std::string PickUpQuestion(const RunJournal& journal) {
  return "前回の実行は途中で終わりました（" + std::to_string(journal.drawings.size()) + "件中" +
         std::to_string(EndedCount(journal)) + "件が終了）。残りの" +
         std::to_string(RemainingDrawings(journal).size()) + "件を選択しますか？";
}

int SelectRemainingRows(RowStore& rows, const ItemSlots& items, const RunJournal& journal) {
  std::unordered_set<std::string> remaining;
  for (const std::string& drawing : RemainingDrawings(journal)) {
    remaining.insert(DrawingKey(drawing));
  }
  const ScriptPlan plan(items);
  int selected = 0;
  for (int row = 0, count = rows.RowCount(); row < count; ++row) {
    if (remaining.count(DrawingKey(plan.DrawingPath(rows, row))) > 0) {
      MarkRow(rows, row);
      ++selected;
    } else {
      UnmarkRow(rows, row);
    }
  }
  return selected;
}

std::vector<RunRecordLine> LinesMissingFromRecord(const RunJournal& journal,
                                                  std::string_view record,
                                                  std::string_view old_record) {
  std::unordered_set<std::string_view> recorded;
  for (std::string_view text : {old_record, record}) {
    CsvLines lines(text);
    CsvLine line;
    while (lines.Next(line)) {
      if (line.well_formed && line.ended) recorded.insert(line.text);
    }
  }
  std::unordered_set<std::string> added;
  std::vector<RunRecordLine> missing;
  for (const JournalOutcome& outcome : journal.outcomes) {
    std::string bytes = RunRecordBytes(outcome.line);
    bytes.resize(bytes.size() - 2);  // its CR LF
    if (recorded.count(bytes) > 0 || !added.insert(std::move(bytes)).second) continue;
    missing.push_back(outcome.line);
  }
  return missing;
}

bool AddJournalToRecord(std::string_view folder, const RunJournal& journal) {
  const std::string record =
      RecordText(ReadWholeFile(JoinPath(folder, kRunRecordFileName), kRunRecordReadLimit));
  const std::string old_record =
      RecordText(ReadWholeFile(JoinPath(folder, kOldRunRecordFileName), kRunRecordReadLimit));
  bool written = true;
  for (const RunRecordLine& line : LinesMissingFromRecord(journal, record, old_record)) {
    written = AppendRunRecord(folder, line) && written;
  }
  return written;
}

}  // namespace drawlot
