// The dialog "実行の設定": the time limit per drawing, the missing-drawing check and the run
// record. Edits a copy; the caller's record changes on OK only.
#pragma once

#include "core/script/run_session.h"
#include "win/platform/dialog.h"

namespace drawlot {

bool RunRunSettingsDialog(const DialogContext& context, RunSettings& settings);

}  // namespace drawlot
