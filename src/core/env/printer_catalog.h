// The printers installed on the machine and the paper names each printer's driver reports, as
// the printer and paper script items offer them. Rebuilt whole at each enumeration (start-up,
// the printer list dialog, each edit dialog); read-only in between.
#pragma once

#include <array>
#include <string_view>

#include "core/text/fixed_text.h"

namespace drawlot {

inline constexpr int kMaxPrinters = 30;
inline constexpr int kMaxPaperNames = 63;
// The spooler's width of one paper name record; a name fills at most 63 bytes of it here.
inline constexpr int kPaperRecordBytes = 64;
// The only paper of a prohibited printer and of one whose paper names cannot be read.
inline constexpr std::string_view kProhibitionPaper = "Prohibition";

using PrinterName = FixedText<128>;
using PaperName = FixedText<kPaperRecordBytes>;

struct PrinterEntry {
  // Empty when the spooler's name does not fit (128 bytes or more).
  PrinterName name;
  // Filled from slot 0 without gaps; the list ends at the first empty slot.
  std::array<PaperName, kMaxPaperNames> papers;

  // The number of paper names before the first empty slot.
  int PaperCount() const;
};

struct PrinterCatalog {
  int count = 0;  // 0 to kMaxPrinters
  std::array<PrinterEntry, kMaxPrinters> printers;

  void Clear();
};

// The index of the printer whose name is exactly `name` (same bytes, same length, case
// counts), or -1 when none is.
int FindPrinter(const PrinterCatalog& catalog, std::string_view name);

// The index of the printer named exactly `name`; entry 0 stands in when no printer matches
// (also when the catalogue is empty, so callers must still check `count`).
int PrinterIndexOrFirst(const PrinterCatalog& catalog, std::string_view name);

}  // namespace drawlot
