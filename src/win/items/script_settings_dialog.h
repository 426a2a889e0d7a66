// The script settings dialog "スクリプト設定" (dialog 3): chooses the current script item set by
// its title, and opens the script detail settings over itself.
#pragma once

#include <string_view>

#include "core/env/environment_settings.h"
#include "core/model/script_item.h"
#include "win/platform/dialog.h"

namespace drawlot {

// The live records of the script item dialogs: the table they edit in place, the settings whose
// `autocad_type` names the current set, and the set the detail dialog shows, which survives the
// dialog from one opening to the next.
struct ScriptItemRecords {
  ScriptItemTable& table;
  EnvironmentSettings& settings;
  int& shown_set;
  std::string_view startup_folder;  // where the partial-script dialogs start
};

// Runs the dialog modally over the context's owner. Its only lasting effect of its own is a new
// `autocad_type`; the detail dialog it opens changes the table at once.
void RunScriptSettingsDialog(const DialogContext& context, const ScriptItemRecords& records);

}  // namespace drawlot
