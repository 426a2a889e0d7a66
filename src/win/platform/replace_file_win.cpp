// Windows' file primitives for the core's safe saving: the replace-in-one-step and the
// exclusive create of the temporary file.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "core/text/file_io.h"

namespace drawlot {

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FlushToDisk(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

std::FILE* CreateNewFile(const std::string& path) {
  // _O_EXCL opens with CREATE_NEW: an existing file of that name fails with EEXIST.
  const int fd =
      _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (!file) _close(fd);
  return file;
}

}  // namespace drawlot
