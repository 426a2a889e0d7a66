// The script detail settings dialog "スクリプト詳細設定" (dialog 13): one set of the script item
// table at a time, its items in a list (902, made when it opens), and the buttons that add,
// rewrite, delete, move, copy, paste, clear, load and save them. Every item change goes into the
// table at once; the set's own flag and title when the header is stored ("≪", "≫", "閉じる").
#pragma once

#include "win/items/script_settings_dialog.h"
#include "win/platform/dialog.h"

namespace drawlot {

// Runs the dialog modally over the context's owner, showing the set `records.shown_set`.
void RunScriptDetailsDialog(const DialogContext& context, const ScriptItemRecords& records);

}  // namespace drawlot
