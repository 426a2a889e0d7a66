#include "win/app/drawlot_run.h"

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "win/app/main_window.h"
#include "win/platform/dialog.h"

namespace drawlot {

namespace {

// Peek first, then fetch; block only when nothing is waiting. Ends with the quit message's code.
int RunMessageLoop() {
  MSG message{};
  for (;;) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
      DispatchQueuedMessage(message);
    } else {
      WaitMessage();
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

ClockTime LocalClockTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return ClockTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void SaveSettingsAtExit(Application& app) {
  const StartupReads& reads = app.startup_reads;
  if (reads.MayWrite(reads.environment)) {
    SaveEnvironmentSettings(app.settings, app.startup_folder, app.prompter);
  }
  if (reads.MayWrite(reads.set_titles)) SaveSetTitles(app.items, app.startup_folder, app.prompter);
  // The item sets are written only for the sets the titles mark as there: with the titles
  // unread, none is, and every item would be dropped from the file.
  if (reads.MayWrite(reads.item_sets) && reads.MayWrite(reads.set_titles)) {
    SaveItemSets(app.items, app.startup_folder, app.prompter);
  }
  if (reads.MayWrite(reads.program) && app.program_settings.Changed()) {
    SaveProgramSettings(app.program_settings, app.startup_folder, app.prompter);
  }
  SaveKeptSettingsSessionVersions(reads, app.items, app.settings, app.startup_folder,
                                  LocalClockTime(), app.kept_files);
  app.kept_files.Tell(app.prompter);
}

int RunDrawlot(Application& app, int show_command) {
  if (!RegisterMainWindowClass(app.instance)) return 0;
  const HWND window = CreateMainWindow(app);
  if (window) {
    ShowWindow(window, show_command);
    UpdateWindow(window);
  }
  if (!window) return 0;  // a start that failed has nothing to save
  const int exit_code = RunMessageLoop();
  SaveSettingsAtExit(app);
  return exit_code;
}

}  // namespace drawlot
