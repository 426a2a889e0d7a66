// The one way the program reads a control's text: every edit box, combo box and static that a
// dialog or editor reads back goes through here.
#pragma once

#include <windows.h>

#include <string>

namespace drawlot {

// The control's text as a buffer of `buffer_size` bytes holds it (at most buffer_size - 1
// bytes), in whole characters: the system may cut a double-byte character at the buffer's end,
// and that half character is dropped.
std::string ReadControlText(HWND control, int buffer_size);

}  // namespace drawlot
