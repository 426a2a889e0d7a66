// Reading a file by pieces: the drawing reader asks for the few blocks it needs (the header,
// the picture) at their offsets, so a large drawing costs what a small one does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace drawlot {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The number of bytes there are.
  virtual std::uint64_t Size() const = 0;
  // Exactly `count` bytes from `offset` into `out` (replacing what it held). False, with `out`
  // empty, when they are not all inside the source or the read fails.
  virtual bool ReadAt(std::uint64_t offset, std::size_t count, std::string& out) = 0;
};

// A file opened for binary reading with the C library, so it serves the native build and the
// Win32 shell alike (paths are CP932 bytes, as everywhere in the program).
class FileByteSource : public ByteSource {
 public:
  explicit FileByteSource(const std::string& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::size_t count, std::string& out) override;

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t size_ = 0;
};

// Bytes held in memory (tests and the fuzzer); the bytes must outlive the source.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, std::size_t count, std::string& out) override;

 private:
  std::string_view bytes_;
};

}  // namespace drawlot
