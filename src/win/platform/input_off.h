// The main window takes no input while any scope lives: the run, the printer wait, the
// ownerless folder browser. The first scope takes what the window was (a modal dialog may have
// disabled it already) and the last one gives exactly that back, so no scope wakes the window
// under a dialog that holds row indices. Nothing else enables or disables the main window.
#pragma once

#include <windows.h>

namespace drawlot {

struct InputGate {
  int count = 0;
  bool was_disabled = false;
};

class InputOffScope {
 public:
  InputOffScope(InputGate& gate, HWND window) : gate_(gate), window_(window) {
    if (gate_.count++ == 0) gate_.was_disabled = EnableWindow(window_, FALSE) != FALSE;
  }
  ~InputOffScope() {
    if (--gate_.count == 0 && !gate_.was_disabled) EnableWindow(window_, TRUE);
  }
  InputOffScope(const InputOffScope&) = delete;
  InputOffScope& operator=(const InputOffScope&) = delete;

 private:
  InputGate& gate_;
  HWND window_;
};

}  // namespace drawlot
