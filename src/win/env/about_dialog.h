// The About box "このソフトについて" (dialog 1): the program's picture, name and version.
// Modeless; every command opens a new copy.
#pragma once

#include <windows.h>

namespace drawlot {

// Creates and shows a new copy owned by `owner`; the window, or nullptr.
HWND OpenAboutDialog(HINSTANCE instance, HWND owner);

}  // namespace drawlot
