// "drawlot_run.csv" in the start-up folder: one line per drawing of a per-row run and one per
// single-script run, so a user can see afterwards what was plotted, what failed and when.
// Shift-JIS, CR LF, a header line when the file is new; fields holding a comma, a quote or a
// line break are quoted, with their quotes doubled. Each line is appended in one write, so a
// crash never leaves half a line; over 4 MiB at the start of a run the file is set aside as
// "drawlot_run.old.csv".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/local_time.h"
#include "core/script/run_outcome.h"

namespace drawlot {

inline constexpr char kRunRecordFileName[] = "drawlot_run.csv";
inline constexpr char kOldRunRecordFileName[] = "drawlot_run.old.csv";
inline constexpr std::uint64_t kRunRecordRotateBytes = 4u * 1024u * 1024u;
inline constexpr std::string_view kRunRecordHeader =
    "開始,終了,秒,方式,図面,プリンタ,用紙,結果,終了コード";

// yyyy/mm/dd hh:mm:ss
std::string FormatRecordTime(const LocalTime& time);

struct RunRecordLine {
  LocalTime start;
  LocalTime end;
  std::uint64_t seconds = 0;
  std::string_view mode;  // 全スクリプト, 選択スクリプト, 毎行(１処理), 毎行(タイマ)
  std::string drawing;  // the full path; "N 図面" for a single-script run
  std::string printer;
  std::string paper;
  RunResult result = RunResult::kDone;
  std::string exit_code;  // ExitCodeField
};

// One field as the record writes it.
std::string CsvField(std::string_view text);
// The whole line, ending in CR LF.
std::string RunRecordBytes(const RunRecordLine& line);
// A record of `size` bytes is set aside before the next run.
inline bool RunRecordNeedsRotation(std::uint64_t size) {
  return size > kRunRecordRotateBytes;
}

// At the start of a run: renames the record of `folder` to the old one (replacing it) when it
// has grown past 4 MiB.
void RotateRunRecord(std::string_view folder);
// Appends one line (after the header, when the file is new) in one write. False when the
// record cannot be written.
bool AppendRunRecord(std::string_view folder, const RunRecordLine& line);
// Appends whole lines' bytes in one write: the header first when the file is new or empty, and a
// CR LF first when the file does not end in one (an edit in Notepad), so the first line starts on
// a line of its own. False when the record cannot be written.
bool AppendRunRecordBytes(std::string_view folder, std::string_view lines);

// The lines of every run on their way into the record of one folder. A line that cannot be
// written (the file held open by another program) is kept and written before the next ones,
// in order, as soon as the file can be written again; nothing is dropped. The owner writes what
// is still kept at exit, elsewhere when the record still cannot be written.
class RunRecordQueue {
 public:
  explicit RunRecordQueue(std::string folder) : folder_(std::move(folder)) {}

  // Adds `lines` after the kept ones and tries to write them all. True when nothing is kept.
  bool Append(const std::vector<RunRecordLine>& lines);
  // Tries again to write what is kept. True when nothing is kept.
  bool Flush();
  // The bytes of the lines not yet written, in order.
  const std::string& Kept() const { return kept_; }
  // Whether a write failed since the last call (told once per run by the shell).
  bool TakeWriteFailed();

 private:
  std::string folder_;
  std::string kept_;
  bool write_failed_ = false;
};

}  // namespace drawlot
