// The native build's replace-in-one-step: POSIX rename replaces an existing target atomically.
#include <cstdio>

#include "core/text/file_io.h"

namespace drawlot {

bool ReplaceFileAtomically(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace drawlot
