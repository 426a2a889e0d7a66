#include "core/script/run_record.h"

#include <cstdio>
#include <iterator>
#include <optional>

#include "core/text/file_io.h"

namespace drawlot {
namespace {

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::optional<std::uint64_t> size;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long end = std::ftell(file);
    if (end >= 0) size = static_cast<std::uint64_t>(end);
  }
  std::fclose(file);
  return size;
}

// Whether the last byte of the file at `path` is a line feed; true for an empty file.
bool EndsInLineFeed(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return true;
  int last = '\n';
  if (std::fseek(file, -1, SEEK_END) == 0) last = std::fgetc(file);
  std::fclose(file);
  return last == '\n' || last == EOF;
}

}  // namespace

std::string FormatRecordTime(const LocalTime& time) {
  return std::to_string(time.year) + "/" + TwoDigits(time.month) + "/" + TwoDigits(time.day) + " " +
         TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second);
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  // A quote's byte never occurs inside a Shift-JIS character, so a byte walk is safe.
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted.push_back('"');
    quoted.push_back(c);
  }
  quoted.push_back('"');
  return quoted;
}

std::string RunRecordBytes(const RunRecordLine& line) {
  const std::string fields[] = {FormatRecordTime(line.start),
                                FormatRecordTime(line.end),
                                std::to_string(line.seconds),
                                std::string(line.mode),
                                line.drawing,
                                line.printer,
                                line.paper,
                                std::string(ResultText(line.result)),
                                line.exit_code};
  std::string bytes;
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    if (i > 0) bytes.push_back(',');
    bytes += CsvField(fields[i]);
  }
  bytes += "\r\n";
  return bytes;
}

void RotateRunRecord(std::string_view folder) {
  const std::string path = JoinPath(folder, kRunRecordFileName);
  const std::optional<std::uint64_t> size = FileSize(path);
  if (!size || !RunRecordNeedsRotation(*size)) return;
  // A rename that fails leaves the record growing; the next run tries again.
  ReplaceFileAtomically(path, JoinPath(folder, kOldRunRecordFileName));
}

bool AppendRunRecord(std::string_view folder, const RunRecordLine& line) {
  return AppendRunRecordBytes(folder, RunRecordBytes(line));
}

bool AppendRunRecordBytes(std::string_view folder, std::string_view lines) {
  const std::string path = JoinPath(folder, kRunRecordFileName);
  const std::optional<std::uint64_t> size = FileSize(path);
  std::string bytes;
  if (!size || *size == 0) {
    bytes = std::string(kRunRecordHeader) + "\r\n";
  } else if (!EndsInLineFeed(path)) {
    bytes = "\r\n";
  }
  bytes += lines;
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

bool RunRecordQueue::Append(const std::vector<RunRecordLine>& lines) {
  for (const RunRecordLine& line : lines) kept_ += RunRecordBytes(line);
  return Flush();
}

bool RunRecordQueue::Flush() {
  if (kept_.empty()) return true;
  if (!AppendRunRecordBytes(folder_, kept_)) {
    write_failed_ = true;
    return false;
  }
  kept_.clear();
  return true;
}

bool RunRecordQueue::TakeWriteFailed() {
  const bool failed = write_failed_;
  write_failed_ = false;
  return failed;
}

}  // namespace drawlot
