// The paint message of a dialog that draws nothing of its own: the client area is validated
// through BeginPaint, so the background is erased first and the controls draw over it.
#pragma once

#include <windows.h>

namespace drawlot {

inline void PaintNothing(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

}  // namespace drawlot
