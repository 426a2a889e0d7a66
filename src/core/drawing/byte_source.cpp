#include "core/drawing/byte_source.h"

namespace drawlot {

namespace {

// Seeks with 64-bit offsets: a long is 32 bits on Windows, and drawings pass 2 GB.
bool SeekTo(std::FILE* file, std::uint64_t offset, int whence) {
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(offset), whence) == 0;
#else
  return fseeko(file, static_cast<off_t>(offset), whence) == 0;
#endif
}

std::int64_t Position(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return ftello(file);
#endif
}

bool Inside(std::uint64_t size, std::uint64_t offset, std::size_t count) {
  return offset <= size && count <= size - offset;
}

}  // namespace

FileByteSource::FileByteSource(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) return;
  const std::int64_t end = SeekTo(file_, 0, SEEK_END) ? Position(file_) : -1;
  if (end < 0) {
    std::fclose(file_);
    file_ = nullptr;
    return;
  }
  size_ = static_cast<std::uint64_t>(end);
}

FileByteSource::~FileByteSource() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileByteSource::ReadAt(std::uint64_t offset, std::size_t count, std::string& out) {
  out.clear();
  if (file_ == nullptr || !Inside(size_, offset, count)) return false;
  if (count == 0) return true;
  if (!SeekTo(file_, offset, SEEK_SET)) return false;
  out.resize(count);
  if (std::fread(out.data(), 1, count, file_) != count) {
    out.clear();
    return false;
  }
  return true;
}

bool MemoryByteSource::ReadAt(std::uint64_t offset, std::size_t count, std::string& out) {
  out.clear();
  if (!Inside(bytes_.size(), offset, count)) return false;
  out.assign(bytes_.substr(static_cast<std::size_t>(offset), count));
  return true;
}

}  // namespace drawlot
