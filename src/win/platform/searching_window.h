// The searching window (dialog 7): a modeless notice without a caption, centred on the mouse,
// shown while the fixed disks are searched. It answers no message of its own.
#pragma once

#include <windows.h>

namespace drawlot {

// Creates and shows the window owned by `owner`; nullptr when it cannot be made.
HWND ShowSearchingWindow(HINSTANCE instance, HWND owner);
void CloseSearchingWindow(HWND window);

}  // namespace drawlot
