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

bool SaveFileReplacing(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp";
  std::FILE* raw = std::fopen(temporary.c_str(), "wb");
  if (!raw) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
  const bool flushed = std::fflush(raw) == 0;
  const bool closed = std::fclose(raw) == 0;
  if (written && flushed && closed && ReplaceFileAtomically(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace drawlot
