#include "win/app/drawlot_run.h"

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "win/app/main_window.h"

namespace drawlot {

namespace {

// Peek first, then fetch; block only when nothing is waiting. Ends with the quit message's code.
int RunMessageLoop() {
  MSG message{};
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
      TranslateMessage(&message);
      DispatchMessageA(&message);
    } else {
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

void SaveSettingsAtExit(Application& app) {
  SaveEnvironmentSettings(app.settings, app.startup_folder, app.prompter);
  SaveSetTitles(app.items, app.startup_folder, app.prompter);
  SaveItemSets(app.items, app.startup_folder, app.prompter);
}

int RunDrawlot(Application& app, int show_command) {
  if (!RegisterMainWindowClass(app.instance)) return 0;
  const HWND window = CreateMainWindow(app);
  if (window) {
    ShowWindow(window, show_command);
    UpdateWindow(window);
  }
  const int exit_code = window ? RunMessageLoop() : 0;
  SaveSettingsAtExit(app);
  return exit_code;
}

}  // namespace drawlot
