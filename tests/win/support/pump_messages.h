// Runs this thread's messages for a while, timers included, as a user waiting would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drawlot::testing {

inline void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

// Handles messages (a run's or a worker's among them) until `done` or a generous limit.
template <typename Done>
bool PumpUntil(Done done) {
  for (int attempt = 0; attempt < 1000 && !done(); ++attempt) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message != WM_QUIT) DispatchMessageA(&message);
    }
  }
  return done();
}

// The entries of a drop-down's list.
inline std::vector<std::string> DropDownTexts(HWND box) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[300] = {};
    SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

// Moves a drop-down's choice one entry down with the keyboard, as the user does; the box
// notifies CBN_SELCHANGE itself.
inline void PressDown(HWND box) {
  const HWND field = GetWindow(box, GW_CHILD);  // the box's edit field takes the keys
  SendMessageA(field ? field : box, WM_KEYDOWN, VK_DOWN, 0);
}

}  // namespace drawlot::testing
