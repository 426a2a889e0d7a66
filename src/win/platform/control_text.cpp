#include "win/platform/control_text.h"

#include <vector>

#include "core/text/cp932.h"

namespace drawlot {

std::string ReadControlText(HWND control, int buffer_size) {
  if (buffer_size <= 0) return {};
  std::vector<char> text(static_cast<std::size_t>(buffer_size) + 1, '\0');
  GetWindowTextA(control, text.data(), buffer_size);
  std::string result(text.data());
  result.resize(Cp932WholeLength(result, static_cast<std::size_t>(buffer_size) - 1));
  return result;
}

}  // namespace drawlot
