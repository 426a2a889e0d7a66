// What the run record tells about the drawings of the list: reading "drawlot_run.csv" and
// "drawlot_run.old.csv" back, and choosing the rows that changed since they were last plotted
// or were never plotted at all.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/local_time.h"
#include "core/script/run_record.h"
#include "core/script/run_session.h"
#include "core/text/file_io.h"

namespace drawlot {

// One line of a comma-separated file as the record writes it: fields are plain, or quoted with
// their quotes doubled (then they may hold commas and line breaks). A line ends at CR LF or LF
// outside quotes.
struct CsvLine {
  std::vector<std::string> fields;  // quoting undone
  std::string_view text;            // the line's bytes without its line end
  bool well_formed = false;         // every field plain or properly quoted
  bool ended = false;               // false: the bytes ran out before the line's end
};

// The lines of a buffer, one after the other. A line that is not well formed ends at the first
// LF after its start, so whatever it holds (a stray quote) costs only that line and reading
// goes on at the next.
class CsvLines {
 public:
  explicit CsvLines(std::string_view bytes) : bytes_(bytes) {}
  // False once every byte was read.
  bool Next(CsvLine& line);

 private:
  bool ReadField(CsvLine& line, std::string& field);
  void SkipBadLine(CsvLine& line, std::size_t start);

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// "yyyy/mm/dd hh:mm:ss" as FormatRecordTime writes it, or nothing.
std::optional<LocalTime> ParseRecordTime(std::string_view text);
// a < b, field by field.
bool IsEarlier(const LocalTime& a, const LocalTime& b);
// The mode whose RunModeText is `text`.
std::optional<RunMode> RunModeOfText(std::string_view text);
// The record line whose fields (quoting undone) are `fields`, when they are the nine fields
// RunRecordBytes writes, each as it writes it (times, seconds and exit code in digits, a mode
// and a result of ours).
std::optional<RunRecordLine> RecordLineOf(std::span<const std::string> fields);

// The key a drawing is known by: ASCII letters folded (FoldAsciiLetters) as Windows compares names
// (the trail bytes of double-byte characters are left as they are, and so are full-width
// letters, which a list built by this program never spells two ways).
std::string DrawingKey(std::string_view path);

// Each record file is at most a little over 4 MiB (it is set aside once past 4 MiB at the start
// of a run, so one run's lines come on top); anything larger is not one of ours.
inline constexpr std::size_t kRunRecordReadLimit = 16u * 1024u * 1024u;

// For each drawing of the record's lines, the start of its latest 完了 line.
class PlotHistory {
 public:
  // Adds the 完了 lines of one record file. Lines that are not of this program's nine fields
  // (the header, a line a user edited, a cut line) are passed over.
  void AddRecord(std::string_view bytes);
  // The start of the latest 完了 line of the drawing at `path`, if it has one.
  std::optional<LocalTime> LatestDone(std::string_view path) const;
  std::size_t DrawingCount() const { return latest_done_.size(); }

 private:
  std::unordered_map<std::string, LocalTime> latest_done_;
};

struct PlotHistoryRead {
  PlotHistory history;
  // How each file was read: a missing one adds nothing; an unreadable one (locked, larger than
  // kRunRecordReadLimit) adds nothing either, and the shell may say so.
  ReadOutcome record = ReadOutcome::kMissing;
  ReadOutcome old_record = ReadOutcome::kMissing;
};
// Reads the old record, then the current one, of `folder`.
PlotHistoryRead ReadPlotHistory(std::string_view folder);

// What the record says of a drawing and its file's last-write time (second by second, as the
// record's times go): never plotted (no 完了 line), changed (written after the start of its
// latest 完了 line; the same second is not after) or up to date. A plotted drawing whose file
// is not there (no time) is up to date: there is nothing new to plot.
enum class PlotState { kUpToDate, kChanged, kNeverPlotted };
PlotState PlotStateOf(const PlotHistory& history, std::string_view path,
                      const std::optional<LocalTime>& last_written);

struct DrawingOnDisk {
  std::string_view path;  // as the list joins folder and file name
  std::optional<LocalTime> last_written;
};

struct ChangedSelection {
  std::vector<int> chosen;  // indexes of the drawings that changed or were never plotted
  int changed = 0;
  int never_plotted = 0;
};
ChangedSelection ChooseWhatChanged(const PlotHistory& history,
                                   std::span<const DrawingOnDisk> drawings);

// Selects the rows of the list whose drawing changed or was never plotted and unselects all
// others. `last_written` gives a file's last-write time in local time, nothing when the file
// is not there.
ChangedSelection SelectWhatChanged(
    RowStore& rows, const ItemSlots& items, const PlotHistory& history,
    const std::function<std::optional<LocalTime>(const std::string&)>& last_written);

// "変更 N件・未印刷 M件を選択しました"
std::string ChangedSelectionText(const ChangedSelection& selection);

}  // namespace drawlot
