#include "win/app/script_commands.h"

#include <windows.h>

#include "core/script/script_files.h"
#include "resources/resource_ids.h"
#include "win/platform/list_redraw_pause.h"

namespace drawlot {
void SaveScriptFileCommand(Application& app, ScriptRowScope scope) {
  if (!SaveScriptFile(app.owner(), *app.rows, scope, app.startup_folder, *app.pickers.file_name,
                      app.current_items(), app.settings, app.prompter)) {
    return;
  }
  app.prompter.Tell(app.owner(), kScriptSavedText, kScriptSavedTitle, Icon::kNone);
}

void SaveListToFileCommand(Application& app) {
  SaveListToFile(app.owner(), *app.rows, app.startup_folder, *app.pickers.file_name, app.prompter);
}

// The list stops repainting while the rows go in, not while the dialog is open over it.
void LoadListFromFileCommand(Application& app) {
  const auto chosen = app.pickers.file_name->PickFileName(
      ListFileDialog(app.owner(), FileDialogKind::kOpen, app.startup_folder));
  if (!chosen) return;  // the rows stay
  const ListRedrawPause pause(app.drawing_list);
  ReplaceListFromFile(app.owner(), *app.rows, *chosen, app.tags, app.prompter);
}

void EditScriptFileCommand(Application& app) {
  EditScriptFile(app.owner(), app.settings, app.notepad_program, *app.launcher, app.prompter);
}

}  // namespace drawlot
