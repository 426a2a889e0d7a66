// The native build's file primitives: POSIX rename replaces an existing target atomically, and
// O_EXCL creates a file only where none is.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "core/text/file_io.h"

namespace drawlot {

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FlushToDisk(std::FILE* file) {
  return fsync(fileno(file)) == 0;
}

std::FILE* CreateNewFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, "wb");
  if (!file) close(fd);
  return file;
}

}  // namespace drawlot
