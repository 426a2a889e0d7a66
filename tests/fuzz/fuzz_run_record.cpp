#include <cstdint>
#include <string>

#include "core/script/run_history.h"
#include "core/script/run_journal.h"
#include "fuzz_support.h"

using namespace drawlot;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // The lines follow one another without a gap, and each record line reads back as written.
  CsvLines lines(bytes);
  CsvLine line;
  std::size_t next = 0;
  PlotHistory history;
  history.AddRecord(bytes);
  while (lines.Next(line)) {
    fuzz::Require(line.text.data() == bytes.data() + next, "lines follow one another");
    next = line.text.data() - bytes.data() + line.text.size();
    while (next < size && (bytes[next] == '\r' || bytes[next] == '\n')) {
      if (bytes[next++] == '\n') break;
    }
    const std::optional<RunRecordLine> record =
        line.well_formed && line.ended ? RecordLineOf(line.fields) : std::nullopt;
    if (!record) continue;
    const std::string written = RunRecordBytes(*record);
    CsvLines again(written);
    CsvLine reread;
    fuzz::Require(again.Next(reread) && reread.ended && RecordLineOf(reread.fields) &&
                      RunRecordBytes(*RecordLineOf(reread.fields)) == written,
                  "a record line reads back as written");
    if (record->result == RunResult::kDone) {
      const std::optional<LocalTime> latest = history.LatestDone(record->drawing);
      fuzz::Require(latest && !IsEarlier(*latest, record->start), "latest 完了 at least as late");
    }
  }
  fuzz::Require(next == size, "every byte belongs to a line");

  // The same bytes as a journal: what is read writes back to a journal that reads the same.
  const JournalRead read = ParseRunJournal(bytes);
  if (read.state == JournalState::kRead) {
    const RunJournal& journal = read.journal;
    std::string written = RunJournalStartBytes(journal.mode, journal.start, journal.drawings);
    for (const JournalOutcome& outcome : journal.outcomes) {
      written += RunJournalOutcomeBytes(outcome.position, outcome.line);
    }
    const JournalRead again = ParseRunJournal(written);
    fuzz::Require(again.state == JournalState::kRead &&
                      again.journal.drawings == journal.drawings &&
                      again.journal.outcomes.size() == journal.outcomes.size(),
                  "a journal reads back as written");
    fuzz::Require(RemainingDrawings(journal).size() <= journal.drawings.size() &&
                      EndedCount(journal) <= static_cast<int>(journal.drawings.size()),
                  "counts within the drawings");
  }
  return 0;
}
