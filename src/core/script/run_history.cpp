#include "core/script/run_history.h"

#include <algorithm>
#include <cstdint>

#include "core/list/row_marks.h"
#include "core/script/run_outcome.h"
#include "core/script/run_record.h"
#include "core/script/run_session.h"
#include "core/script/script_writer.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::size_t kRecordFieldCount = 9;
constexpr std::size_t kRecordStart = 0;
constexpr std::size_t kRecordEnd = 1;
constexpr std::size_t kRecordSeconds = 2;
constexpr std::size_t kRecordMode = 3;
constexpr std::size_t kRecordDrawing = 4;
constexpr std::size_t kRecordPrinter = 5;
constexpr std::size_t kRecordPaper = 6;
constexpr std::size_t kRecordResult = 7;
constexpr std::size_t kRecordExitCode = 8;

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

std::optional<RunResult> ResultOfText(std::string_view text) {
  // Every result a run writes: a journal cut off after a 行削除 line is still read.
  for (RunResult result : kRunResults) {
    if (ResultText(result) == text) return result;
  }
  return std::nullopt;
}

}  // namespace

bool CsvLines::Next(CsvLine& line) {
  if (pos_ >= bytes_.size()) return false;
  const std::size_t start = pos_;
  std::size_t count = 0;
  line.well_formed = true;
  for (;;) {
    if (count == line.fields.size()) line.fields.emplace_back();
    std::string& field = line.fields[count++];
    field.clear();
    if (!ReadField(line, field)) {
      SkipBadLine(line, start);
      return true;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == ',') {
      ++pos_;
      continue;
    }
    // The field ended at a line end or at the end of the bytes.
    line.fields.resize(count);
    line.text = bytes_.substr(start, pos_ - start);
    line.ended = pos_ < bytes_.size();
    if (!line.ended) return true;
    if (bytes_[pos_] == '\r') {
      if (pos_ + 1 == bytes_.size()) {  // cut between CR and LF
        line.ended = false;
        pos_ = bytes_.size();
        return true;
      }
      ++pos_;
    }
    ++pos_;  // the LF
    return true;
  }
}

// Reads one field, leaving pos_ at what follows it; false when it is not a field of ours or
// could not end there (then pos_ is meaningless).
bool CsvLines::ReadField(CsvLine& line, std::string& field) {
  const std::size_t size = bytes_.size();
  if (pos_ < size && bytes_[pos_] == '"') {
    ++pos_;
    for (;;) {
      const std::size_t quote = bytes_.find('"', pos_);
      if (quote == std::string_view::npos) {  // cut inside the quotes
        line.well_formed = false;
        return false;
      }
      field.append(bytes_.substr(pos_, quote - pos_));
      pos_ = quote + 1;
      if (pos_ < size && bytes_[pos_] == '"') {
        field.push_back('"');
        ++pos_;
        continue;
      }
      break;
    }
  } else {
    // A quote's, a comma's and a line end's bytes never occur inside a double-byte character.
    std::size_t end = pos_;
    while (end < size) {
      const char c = bytes_[end];
      if (c == ',' || c == '\r' || c == '\n' || c == '"') break;
      ++end;
    }
    field.append(bytes_.substr(pos_, end - pos_));
    pos_ = end;
    if (pos_ < size && bytes_[pos_] == '"') {
      line.well_formed = false;
      return false;
    }
  }
  if (pos_ == size) return true;
  const char next = bytes_[pos_];
  if (next == ',' || next == '\n') return true;
  if (next == '\r' && (pos_ + 1 == size || bytes_[pos_ + 1] == '\n')) return true;
  line.well_formed = false;
  return false;
}

void CsvLines::SkipBadLine(CsvLine& line, std::size_t start) {
  const std::size_t lf = bytes_.find('\n', start);
  line.well_formed = false;
  line.ended = lf != std::string_view::npos;
  pos_ = line.ended ? lf + 1 : bytes_.size();
  std::size_t end = line.ended ? lf : bytes_.size();
  if (line.ended && end > start && bytes_[end - 1] == '\r') --end;
  line.text = bytes_.substr(start, end - start);
}

std::optional<LocalTime> ParseRecordTime(std::string_view text) {
  // yyyy/mm/dd hh:mm:ss
  constexpr std::string_view kShape = "0000/00/00 00:00:00";
  if (text.size() != kShape.size()) return std::nullopt;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == '0' ? !digit : text[i] != kShape[i]) return std::nullopt;
  }
  const LocalTime time{Number(text.substr(0, 4)),  Number(text.substr(5, 2)),
                       Number(text.substr(8, 2)),  Number(text.substr(11, 2)),
                       Number(text.substr(14, 2)), Number(text.substr(17, 2))};
  // FormatRecordTime writes the year without leading zeros.
  if (time.year < 1000 || time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 ||
      time.hour > 23 || time.minute > 59 || time.second > 59) {
    return std::nullopt;
  }
  return time;
}

std::optional<RunMode> RunModeOfText(std::string_view text) {
  for (RunMode mode : {RunMode::kAllScript, RunMode::kSelectedScript, RunMode::kPerRowLoop,
                       RunMode::kPerRowTimed}) {
    if (RunModeText(mode) == text) return mode;
  }
  return std::nullopt;
}

std::optional<RunRecordLine> RecordLineOf(std::span<const std::string> fields) {
  if (fields.size() != kRecordFieldCount) return std::nullopt;
  const std::optional<LocalTime> start = ParseRecordTime(fields[kRecordStart]);
  const std::optional<LocalTime> end = ParseRecordTime(fields[kRecordEnd]);
  const std::string& seconds = fields[kRecordSeconds];
  const std::optional<RunMode> mode = RunModeOfText(fields[kRecordMode]);
  const std::optional<RunResult> result = ResultOfText(fields[kRecordResult]);
  if (!start || !end || seconds.empty() || seconds.size() > 19 || !IsDigits(seconds) || !mode ||
      !result || !IsDigits(fields[kRecordExitCode])) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (char c : seconds) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return RunRecordLine{*start,
                       *end,
                       value,
                       RunModeText(*mode),
                       fields[kRecordDrawing],
                       fields[kRecordPrinter],
                       fields[kRecordPaper],
                       *result,
                       fields[kRecordExitCode]};
}

bool IsEarlier(const LocalTime& a, const LocalTime& b) {
  const int left[] = {a.year, a.month, a.day, a.hour, a.minute, a.second};
  const int right[] = {b.year, b.month, b.day, b.hour, b.minute, b.second};
  return std::lexicographical_compare(std::begin(left), std::end(left), std::begin(right),
                                      std::end(right));
}

std::string DrawingKey(std::string_view path) {
  return FoldAsciiLetters(path);
}

void PlotHistory::AddRecord(std::string_view bytes) {
  CsvLines lines(bytes);
  CsvLine line;
  const std::string_view done = ResultText(RunResult::kDone);
  while (lines.Next(line)) {
    if (!line.well_formed || !line.ended || line.fields.size() != kRecordFieldCount ||
        line.fields[kRecordResult] != done) {
      continue;
    }
    const std::optional<RunRecordLine> record = RecordLineOf(line.fields);
    if (!record) continue;
    const LocalTime& start = record->start;
    // The latest by its time, so the order of the two files (or of lines a clock set back
    // wrote) does not matter.
    auto [it, added] = latest_done_.try_emplace(DrawingKey(line.fields[kRecordDrawing]), start);
    if (!added && IsEarlier(it->second, start)) it->second = start;
  }
}

std::optional<LocalTime> PlotHistory::LatestDone(std::string_view path) const {
  const auto it = latest_done_.find(DrawingKey(path));
  if (it == latest_done_.end()) return std::nullopt;
  return it->second;
}

PlotHistoryRead ReadPlotHistory(std::string_view folder) {
  PlotHistoryRead read;
  const FileContent old_record =
      ReadWholeFile(JoinPath(folder, kOldRunRecordFileName), kRunRecordReadLimit);
  read.old_record = old_record.outcome;
  read.history.AddRecord(old_record.bytes);
  const FileContent record =
      ReadWholeFile(JoinPath(folder, kRunRecordFileName), kRunRecordReadLimit);
  read.record = record.outcome;
  read.history.AddRecord(record.bytes);
  return read;
}

PlotState PlotStateOf(const PlotHistory& history, std::string_view path,
                      const std::optional<LocalTime>& last_written) {
  const std::optional<LocalTime> done = history.LatestDone(path);
  if (!done) return PlotState::kNeverPlotted;
  if (last_written && IsEarlier(*done, *last_written)) return PlotState::kChanged;
  return PlotState::kUpToDate;
}

ChangedSelection ChooseWhatChanged(const PlotHistory& history,
                                   std::span<const DrawingOnDisk> drawings) {
  ChangedSelection selection;
  for (std::size_t i = 0; i < drawings.size(); ++i) {
    switch (PlotStateOf(history, drawings[i].path, drawings[i].last_written)) {
      case PlotState::kChanged:
        ++selection.changed;
        break;
      case PlotState::kNeverPlotted:
        ++selection.never_plotted;
        break;
      case PlotState::kUpToDate:
        continue;
    }
    selection.chosen.push_back(static_cast<int>(i));
  }
  return selection;
}

ChangedSelection SelectWhatChanged(
    RowStore& rows, const ItemSlots& items, const PlotHistory& history,
    const std::function<std::optional<LocalTime>(const std::string&)>& last_written) {
  const ScriptPlan plan(items);
  const int count = rows.RowCount();
  std::vector<std::string> paths;
  std::vector<DrawingOnDisk> drawings;
  paths.reserve(count);
  drawings.reserve(count);
  for (int row = 0; row < count; ++row) {
    paths.push_back(plan.DrawingPath(rows, row));
    drawings.push_back(DrawingOnDisk{paths.back(), last_written(paths.back())});
  }
  ChangedSelection selection = ChooseWhatChanged(history, drawings);
  std::size_t next = 0;
  for (int row = 0; row < count; ++row) {
    const bool chosen = next < selection.chosen.size() && selection.chosen[next] == row;
    if (chosen) {
      ++next;
      MarkRow(rows, row);
    } else {
      UnmarkRow(rows, row);
    }
  }
  return selection;
}

std::string ChangedSelectionText(const ChangedSelection& selection) {
  return "変更 " + std::to_string(selection.changed) + "件・未印刷 " +
         std::to_string(selection.never_plotted) + "件を選択しました";
}

}  // namespace drawlot
