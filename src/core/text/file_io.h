// Whole-file reading and safe saving. Files are read and written as raw bytes, so line ends
// are exactly what the formats say on every platform.
#pragma once

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

// Up to `max_bytes` from the start of the file, or nullopt when it cannot be opened.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t max_bytes);

// A file written in pieces to a temporary file beside `path`, which replaces `path` in one
// step at Commit. Until then, and whenever a step fails, the old file stays as it was; a
// ReplacingFile dropped without a successful Commit removes its temporary file.
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

// The platform's replace-in-one-step (rename over an existing file). Implemented once for
// Windows and once for the native build.
bool ReplaceFileAtomically(const std::string& from, const std::string& to);

}  // namespace drawlot
