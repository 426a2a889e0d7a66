// Builds the printer catalogue from the spooler: the first 30 printers in the spooler's order,
// the paper names of each (only A and B sizes when that restriction is on), and "Prohibition"
// as the only paper of a prohibited printer or of one whose paper names cannot be read. Every
// enumeration tells about prohibited printers and driver problems again.
#pragma once

#include <string_view>

#include "core/env/environment_settings.h"
#include "core/env/printer_catalog.h"
#include "core/platform/print_spooler.h"
#include "core/platform/prompter.h"

namespace drawlot {

// True when `printer_name` begins with the bytes of any non-empty entry (case counts).
bool IsProhibitedPrinter(const ProhibitedPrinters& prohibited, std::string_view printer_name);

// True when the paper name holds "A0".."A9" or "B0".."B9" anywhere, in either case. Only
// characters count: the trail byte of a double-byte character is never taken for a letter.
bool IsABPaperName(std::string_view paper_name);

// Clears `catalog` and fills it from `spooler`. Boxes about the whole enumeration, a prohibited
// printer or a failed or disagreeing paper query are owned by `owner`; the one about more than
// 63 paper names has no owner.
void EnumeratePrinters(PrinterCatalog& catalog, const EnvironmentSettings& settings,
                       PrintSpooler& spooler, Prompter& prompter, WindowRef owner);

}  // namespace drawlot
