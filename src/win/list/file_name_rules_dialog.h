// Dialog 12 "ファイル名で印刷設定": the file-name rules, edited in place. OK and the close box
// both store every control: there is no way out without storing.
#pragma once

#include "core/env/environment_settings.h"
#include "core/env/printer_catalog.h"
#include "win/platform/dialog.h"

namespace drawlot {

// Runs the dialog modally over `rules`, its printer and paper lists from `printers`.
void RunFileNameRulesDialog(const DialogContext& context, FileNameRules& rules,
                            const PrinterCatalog& printers);

}  // namespace drawlot
