// "drawlot_run.pending" in the start-up folder: the journal of the run under way, so that a run
// cut off by a crash, a power cut or a logoff can be picked up at the next start.
//
// Shift-JIS, CR LF, fields separated and quoted as in the run record (CsvField):
//   開始,<方式>,<start time>                 the run's kind (RunModeText) and start
//   図面,<n>,<full path>                     one per drawing it will take, n = 1, 2, ... in order
//   終了,<n>,<the nine fields of the record line of drawing n>
// The first two kinds are saved at the start in one safe save (a temporary file flushed to disk
// and one replace); each outcome line is appended in one write and flushed to the disk before
// the run goes on. At the run's end the file is removed.
//
// The record and the journal. A run writes each drawing's record line and its outcome line, the
// latter exactly the record line behind "終了,<n>,". When the run is cut off between the two,
// or the record could not be written, the record lacks lines that the journal holds. At pick-up
// an outcome counts as recorded when a line of the record (either file) is byte for byte its
// record line: a run writes the same bytes to both, and two events of one drawing with the same
// times to the second and the same outcome are one event. So picking up twice, or after a run
// that wrote everything, adds nothing. Write the outcome line before the record line: a cut
// between them then loses nothing, where the other order would plot that drawing again.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/local_time.h"
#include "core/script/run_record.h"
#include "core/script/run_session.h"

namespace drawlot {

inline constexpr char kRunJournalFileName[] = "drawlot_run.pending";
// A journal lists each drawing of one run and its outcome: a few hundred bytes a drawing.
inline constexpr std::size_t kRunJournalReadLimit = 64u * 1024u * 1024u;

// The journal's start: its first line and one line per drawing.
std::string RunJournalStartBytes(RunMode mode, const LocalTime& start,
                                 std::span<const std::string> drawings);
// The outcome line of drawing `position` (from 1), whose record line is `line`.
std::string RunJournalOutcomeBytes(int position, const RunRecordLine& line);

// The journal of `folder` saved anew; false when it could not be saved.
bool StartRunJournal(std::string_view folder, RunMode mode, const LocalTime& start,
                     std::span<const std::string> drawings);
// Appends an outcome line, written through; false when it could not (no journal, a write
// error).
bool AppendRunJournal(std::string_view folder, int position, const RunRecordLine& line);
// Removes the journal; true when none is left.
bool RemoveRunJournal(std::string_view folder);

struct JournalOutcome {
  int position = 0;    // from 1, into the drawings
  RunRecordLine line;  // its mode is the run's
};

struct RunJournal {
  RunMode mode = RunMode::kAllScript;
  LocalTime start;
  std::vector<std::string> drawings;
  std::vector<JournalOutcome> outcomes;  // in the order they were appended
};

enum class JournalState {
  kMissing,     // no journal: the last run ended as it should
  kEmpty,       // not one whole line: the run never got its start written; nothing to pick up
  kRead,        // a journal to pick up
  kUnreadable,  // there, but not a journal of ours (or not readable): keep it as it is
};

struct JournalRead {
  JournalState state = JournalState::kMissing;
  RunJournal journal;
};

// The journal in `bytes`. A last line without its line end (the append that a power cut
// stopped) is passed over; CR LF and LF end lines alike. Any other line that is not the next
// line the format allows makes the whole journal unreadable.
JournalRead ParseRunJournal(std::string_view bytes);
// The journal of `folder` (at most kRunJournalReadLimit bytes).
JournalRead ReadRunJournal(std::string_view folder);

// The drawings with an outcome, whatever it was.
int EndedCount(const RunJournal& journal);
// The drawings without a 完了 outcome, in the journal's order.
std::vector<std::string> RemainingDrawings(const RunJournal& journal);
// "前回の実行は途中で終わりました（N件中M件が終了）。残りのK件を選択しますか？"
std::string PickUpQuestion(const RunJournal& journal);

// Selects exactly the rows whose drawing (folder and file name as the script joins them; ASCII
// letters in either case) is one of the remaining drawings and unselects all others. Drawings no
// longer in the list select nothing. Returns the number of rows selected.
int SelectRemainingRows(RowStore& rows, const ItemSlots& items, const RunJournal& journal);

// The record lines of the journal's outcomes that neither record text holds as a line, in the
// journal's order.
std::vector<RunRecordLine> LinesMissingFromRecord(const RunJournal& journal,
                                                  std::string_view record,
                                                  std::string_view old_record);
// Appends to the record of `folder` the lines the journal holds that it lacks. A record file
// that cannot be read counts as holding none of them: a line twice is better than none. False
// when a line could not be written.
bool AddJournalToRecord(std::string_view folder, const RunJournal& journal);

}  // namespace drawlot
