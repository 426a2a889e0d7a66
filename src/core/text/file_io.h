// Whole-file reading and safe saving. Files are read and written as raw bytes, so line ends
// are exactly what the formats say on every platform.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace drawlot {

// The folder separator used to open files: "\" on Windows, "/" for the native tests. Paths
// stored in settings and scripts always use "\" and do not go through this.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `folder` and `name` joined by one separator (none added when the folder already ends in one,
// judged by the lead-byte rule, so a folder ending in 表 still gets its separator).
std::string JoinPath(std::string_view folder, std::string_view name);

// The whole file, or nullopt when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path);

// What became of reading a file. A file that exists but could not be read (locked by another
// program, access denied, a read error, larger than any file of ours) is not "missing": its
// content was never seen, so it must not be replaced by what the program holds instead.
enum class ReadOutcome { kRead, kMissing, kUnreadable };

struct FileContent {
  ReadOutcome outcome = ReadOutcome::kMissing;
  std::string bytes;  // empty unless read
};

// The whole file when it holds at most `max_bytes`; a larger file is unreadable.
FileContent ReadWholeFile(const std::string& path, std::size_t max_bytes);

// Up to `max_bytes` from the start of the file, or nullopt when it cannot be opened.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t max_bytes);

// The lines of a file, read in blocks so that only one line is held at a time. A line ends at
// LF, which is consumed; a CR right before that LF is dropped (as LineReader does).
class FileLines {
 public:
  explicit FileLines(const std::string& path);
  ~FileLines();
  FileLines(const FileLines&) = delete;
  FileLines& operator=(const FileLines&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // Why the file did not open (meaningful when !IsOpen()).
  ReadOutcome OpenOutcome() const { return open_outcome_; }
  // The next line. False at the end of the file, on a read error (Failed) and for a line of
  // more than `max_bytes` bytes, which is not kept.
  bool Next(std::size_t max_bytes, std::string& line);
  bool Failed() const { return failed_; }
  // True once Next stopped at a line longer than its bound: what follows was not read.
  bool Overlong() const { return overlong_; }

 private:
  bool Refill();
  bool TooLong();

  std::FILE* file_ = nullptr;
  ReadOutcome open_outcome_ = ReadOutcome::kRead;
  std::string block_;
  std::size_t pos_ = 0;
  bool failed_ = false;
  bool overlong_ = false;
};

// The longest path the system's file functions take: paths are kept in 260-byte buffers, 259
// bytes of text.
inline constexpr std::size_t kMaxPathBytes = 259;

// A name for a new temporary file in the folder of `target` whose full path is no longer than
// the longest the target may have, so that any target the program accepts can be saved. It
// starts with "~" and carries `random` in hexadecimal; the caller creates it exclusively.
std::string TemporaryNameBeside(std::string_view target, std::uint64_t random);

// A file written in pieces to a new temporary file beside `path` (a fresh name, created only
// if no file of that name exists, so no file of the user's is ever overwritten or removed),
// which replaces `path` in one step at Commit. Until then, and whenever a step fails, the old file
// stays as it was; a ReplacingFile dropped without a successful Commit removes its temporary file.
class ReplacingFile {
 public:
  explicit ReplacingFile(const std::string& path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False when the temporary file could not be made.
  bool IsOpen() const { return file_ != nullptr; }
  // False when this or an earlier write failed.
  bool Write(std::string_view bytes);
  // Flushes, closes and replaces the target. False on any failure.
  bool Commit();

 private:
  void Discard();

  std::string path_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

// Writes `bytes` to a temporary file beside `path` and then replaces `path` with it in one
// step. On any failure the old file is left as it was, the temporary file is removed, and the
// result is false.
bool SaveFileReplacing(const std::string& path, std::string_view bytes);

// Appends `bytes` to the end of the file at `path` in one write and waits until they are on the
// disk (the C library's buffer flushed, then FlushToDisk), so a power cut right after keeps them.
// The file must exist: an append never makes a file that was not started. False on any failure.
bool AppendWrittenThrough(const std::string& path, std::string_view bytes);

// The platform's replace-in-one-step (rename over an existing file) and its exclusive create
// (nullptr when a file of that name exists or it cannot be made). Implemented once for
// Windows and once for the native build.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);
std::FILE* CreateNewFile(const std::string& path);
// Makes what was written to `file` (already flushed from the C library) reach the disk, so a
// power cut after the replace cannot leave an empty file where the saved one should be.
bool FlushToDisk(std::FILE* file);

// The name TemporaryNameBeside gives in a folder of ordinary length ("~dl", 8 hexadecimal
// digits, ".tmp"): a file of that name in the start-up folder was left by a save that was killed.
bool IsLeftoverTemporaryName(std::string_view name);

}  // namespace drawlot
