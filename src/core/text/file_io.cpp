#include "core/text/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>

#include "core/text/cp932.h"

namespace drawlot {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool EndsWithSeparator(std::string_view folder) {
  if (folder.empty()) return false;
  if (kPathSeparator == '/' && folder.back() == '/') return true;
  return EndsWithBackslash(folder);
}

// The outcome of opening a file for reading that failed just now, judged by errno.
ReadOutcome OutcomeOfFailedOpen() {
  return errno == ENOENT || errno == ENOTDIR ? ReadOutcome::kMissing : ReadOutcome::kUnreadable;
}

// Where the file name of `path` starts: after its last separator (lead-byte aware for "\").
std::size_t NameStart(std::string_view path) {
  std::size_t slash = kPathSeparator == '/' ? path.rfind('/') : FindLastBackslash(path);
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// Fresh randomness for every temporary name: names of two programs saving into one folder
// must not meet, and a name left by a killed save is never taken again.
std::uint64_t RandomBits() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

constexpr int kTemporaryNameAttempts = 32;

std::FILE* CreateTemporaryBeside(const std::string& target, std::string& temporary) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = TemporaryNameBeside(target, RandomBits());
    if (temporary == target) continue;  // a one-byte name may draw the target's own
    if (std::FILE* file = CreateNewFile(temporary)) return file;
    if (errno != EEXIST) break;  // the folder is not writable: another name will not help
  }
  temporary.clear();
  return nullptr;
}

}  // namespace

std::string TemporaryNameBeside(std::string_view target, std::uint64_t random) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string digits;
  for (int i = 0; i < 16; ++i, random >>= 4) digits.push_back(kHex[random & 15]);
  const std::size_t start = NameStart(target);
  const std::size_t name_bytes = target.size() - start;
  // The room the target's folder leaves, and never less than the target's own name takes.
  const std::size_t room = std::max(name_bytes, kMaxPathBytes > start ? kMaxPathBytes - start : 0);
  std::string name = "~dl" + digits.substr(0, 8) + ".tmp";
  if (name.size() > room) name = ("~" + digits).substr(0, room);
  if (name == "~") name = digits.substr(0, 1);  // a one-byte name still varies
  return std::string(target.substr(0, start)) + name;
}

bool IsLeftoverTemporaryName(std::string_view name) {
  constexpr std::string_view kPrefix = "~dl";
  constexpr std::string_view kExtension = ".tmp";
  constexpr std::size_t kDigits = 8;
  if (name.size() != kPrefix.size() + kDigits + kExtension.size()) return false;
  if (!name.starts_with(kPrefix) || !name.ends_with(kExtension)) return false;
  const std::string_view digits = name.substr(kPrefix.size(), kDigits);
  return std::all_of(digits.begin(), digits.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

FileContent ReadWholeFile(const std::string& path, std::size_t max_bytes) {
  errno = 0;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return FileContent{OutcomeOfFailedOpen(), {}};
  FileContent content{ReadOutcome::kRead, {}};
  char chunk[4096];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (content.bytes.size() + got > max_bytes) return FileContent{ReadOutcome::kUnreadable, {}};
    content.bytes.append(chunk, got);
  }
  if (std::ferror(file.get())) return FileContent{ReadOutcome::kUnreadable, {}};
  return content;
}

FileLines::FileLines(const std::string& path) {
  errno = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) open_outcome_ = OutcomeOfFailedOpen();
}

FileLines::~FileLines() {
  if (file_) std::fclose(file_);
}

bool FileLines::Refill() {
  constexpr std::size_t kBlockBytes = 64u << 10;
  block_.erase(0, pos_);
  pos_ = 0;
  const std::size_t kept = block_.size();
  block_.resize(kept + kBlockBytes);
  const std::size_t got = std::fread(block_.data() + kept, 1, kBlockBytes, file_);
  block_.resize(kept + got);
  if (got == 0 && std::ferror(file_)) failed_ = true;
  return got > 0;
}

bool FileLines::TooLong() {
  overlong_ = true;
  return false;
}

bool FileLines::Next(std::size_t max_bytes, std::string& line) {
  line.clear();
  if (!file_ || failed_) return false;
  std::size_t searched = pos_;
  for (;;) {
    const std::size_t lf = block_.find('\n', searched);
    if (lf != std::string::npos) {
      std::size_t end = lf;
      if (end > pos_ && block_[end - 1] == '\r') --end;
      if (end - pos_ > max_bytes) return TooLong();
      line.assign(block_, pos_, end - pos_);
      pos_ = lf + 1;
      return true;
    }
    // No line end yet: a line already longer than allowed (with room for its CR) ends here.
    if (block_.size() - pos_ > max_bytes + 1) return TooLong();
    searched = block_.size() - pos_;
    if (!Refill()) break;
  }
  if (pos_ >= block_.size()) return false;
  if (block_.size() - pos_ > max_bytes) return TooLong();
  line.assign(block_, pos_, std::string::npos);  // the last line, without a line end
  pos_ = block_.size();
  return true;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!folder.empty() && !EndsWithSeparator(folder)) path.push_back(kPathSeparator);
  path.append(name);
  return path;
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t max_bytes) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  while (bytes.size() < max_bytes) {
    const std::size_t want = std::min(sizeof chunk, max_bytes - bytes.size());
    const std::size_t got = std::fread(chunk, 1, want, file.get());
    bytes.append(chunk, got);
    if (got < want) break;
  }
  return bytes;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  return ReadFileHead(path, std::string::npos);
}

ReplacingFile::ReplacingFile(const std::string& path)
    : path_(path), file_(CreateTemporaryBeside(path, temporary_)) {}

ReplacingFile::~ReplacingFile() {
  Discard();
}

bool ReplacingFile::Write(std::string_view bytes) {
  if (!file_ || failed_) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
  return !failed_;
}

bool ReplacingFile::Commit() {
  if (!file_ || failed_) {
    Discard();
    return false;
  }
  const bool flushed = std::fflush(file_) == 0 && FlushToDisk(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (flushed && closed && ReplaceFileAtomically(temporary_, path_)) return true;
  std::remove(temporary_.c_str());
  return false;
}

void ReplacingFile::Discard() {
  if (!file_) return;
  std::fclose(file_);
  file_ = nullptr;
  std::remove(temporary_.c_str());
}

bool SaveFileReplacing(const std::string& path, std::string_view bytes) {
  ReplacingFile file(path);
  return file.Write(bytes) && file.Commit();
}

bool AppendWrittenThrough(const std::string& path, std::string_view bytes) {
  // "r+b" rather than "ab": a file that is not there stays not there.
  FilePtr file(std::fopen(path.c_str(), "r+b"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  const bool flushed = std::fflush(file.get()) == 0 && FlushToDisk(file.get());
  return std::fclose(file.release()) == 0 && written && flushed;
}

}  // namespace drawlot
