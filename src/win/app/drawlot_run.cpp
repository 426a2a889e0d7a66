#include "win/app/drawlot_run.h"

#include "win/app/main_keys.h"
#include "win/app/main_window.h"
#include "win/app/main_window_place.h"
#include "win/platform/dialog.h"

namespace drawlot {

namespace {

// Peek first, then fetch; block only when nothing is waiting. Ends with the quit message's code.
int RunMessageLoop(const Application& app) {
  const MainKeyTable keys;
  MSG message{};
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
      if (!TranslateMainKeys(app, keys.handle(), message)) DispatchQueuedMessage(message);
    } else {
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int RunDrawlot(Application& app, int show_command) {
  if (!RegisterMainWindowClass(app.instance)) return 0;
  const HWND window = CreateMainWindow(app);
  if (window) {
    ShowKeysInMenu(GetMenu(window));
    ShowWindow(window, RestoreMainWindowPlace(app, show_command));
    UpdateWindow(window);
  }
  if (!window) return 0;  // a start that failed has nothing to save
  const int exit_code = RunMessageLoop(app);
  SaveSettingsFilesAtExit(app);
  // The files kept as they were, with the session's version beside them, told of in one box.
  app.kept_files.Tell(app.prompter);
  return exit_code;
}

}  // namespace drawlot
