// Drives the application's run to its end as the message loop does, except that a pause between
// starts is over as soon as nothing else is waiting: a test need not sit out the real 500 ms.
#pragma once

#include <windows.h>

#include "resources/resource_ids.h"
#include "win/app/application.h"

namespace drawlot::testing {

// The pauses the run took; a run still going after `most` pauses or 30 s is left as it is.
inline int AwaitRun(Application& app, int most = 100) {
  int pauses = 0;
  const ULONGLONG give_up = GetTickCount64() + 30000;
  while (app.run && pauses < most && GetTickCount64() < give_up) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (!app.run) break;
    if (KillTimer(app.main_window, TIMER_RUN_PAUSE)) {
      ++pauses;
      SendMessageA(app.main_window, WM_TIMER, TIMER_RUN_PAUSE, 0);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);  // a waiter's report
    }
  }
  return pauses;
}

}  // namespace drawlot::testing
