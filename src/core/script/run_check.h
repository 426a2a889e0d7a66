// "実行前の確認": before a run, each drawing it would take is looked at once. A drawing that is
// not there, a file that is neither a DWG nor a DXF, a printer that the spooler does not have
// (AutoCAD's own ".pc3" and an empty cell pass), and a paper that is not among that printer's
// paper names. The user is asked once whether to leave them out and run the rest.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/print_spooler.h"
#include "core/script/run_outcome.h"

namespace drawlot {

struct CheckedRow {
  int row = 0;
  RunResult finding = RunResult::kMissing;  // kMissing, kNotDrawing, kNoPrinter or kNoPaper

  friend bool operator==(const CheckedRow&, const CheckedRow&) = default;
};

// How a drawing file is looked at; the Win32 shell asks the file system and the reader.
struct DrawingLookup {
  std::function<bool(const std::string&)> exists;
  std::function<bool(const std::string&)> is_drawing;
};

// The rows of `rows_to_run` with a fault, in their order, each with its first fault in the
// order above. The spooler is asked for its printers once and for each printer's papers once.
// When it cannot list its printers, printers and papers are not checked.
std::vector<CheckedRow> CheckBeforeRun(const RowStore& rows, const ItemSlots& items,
                                       std::span<const int> rows_to_run,
                                       const DrawingLookup& lookup, PrintSpooler& spooler);

// The question's text: per kind its count ("図面がありません 2件") and up to 10 file names.
std::string CheckBeforeRunText(const RowStore& rows, const ItemSlots& items,
                               const std::vector<CheckedRow>& found);
inline constexpr char kCheckBeforeRunTitle[] = "実行前の確認";

}  // namespace drawlot
