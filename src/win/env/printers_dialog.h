// The printer and paper dialog "プリンタと用紙の列挙" (dialog 5): a read-only list view with a row
// per printer and its paper names in 63 further columns, filled from a fresh enumeration.
#pragma once

#include "core/env/environment_settings.h"
#include "core/env/printer_catalog.h"
#include "core/platform/print_spooler.h"
#include "win/platform/dialog.h"

namespace drawlot {

// The live records the dialog reads and rebuilds.
struct PrinterRecords {
  PrinterCatalog& catalog;
  const EnvironmentSettings& settings;
  PrintSpooler& spooler;
};

// Enumerates the printers again and shows the dialog modally over the context's owner.
void RunPrintersDialog(const DialogContext& context, const PrinterRecords& records);

}  // namespace drawlot
