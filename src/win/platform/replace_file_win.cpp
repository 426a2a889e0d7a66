// Windows' replace-in-one-step for the core's safe saving.
#include <windows.h>

#include "core/text/file_io.h"

namespace drawlot {

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace drawlot
