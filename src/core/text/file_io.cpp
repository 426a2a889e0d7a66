#include "core/text/file_io.h"

#include <algorithm>
#include <cstdio>
#include <memory>

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

}  // namespace

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
    : path_(path), temporary_(path + ".tmp"), file_(std::fopen(temporary_.c_str(), "wb")) {}

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
  const bool flushed = std::fflush(file_) == 0;
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

}  // namespace drawlot
