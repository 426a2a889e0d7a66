// The lists that the drop-down editors offer, by edit mode: an item's select strings, the
// printers of the catalogue, one printer's paper names, the plot styles. The edit dialog, the
// in-place cell editor and the file-name rules dialog fill their boxes from here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env/printer_catalog.h"
#include "core/model/script_item.h"

namespace drawlot {

using Choices = std::vector<std::string>;

// Every printer name of the catalogue, in catalogue order.
Choices PrinterNames(const PrinterCatalog& catalog);

// The printer named exactly `printer`; entry 0 when none is or when no printer is named.
const PrinterEntry& PrinterOrFirst(const PrinterCatalog& catalog,
                                   const std::optional<std::string_view>& printer);

// A printer's paper names, from slot 0 up to the first empty slot.
Choices PaperNames(const PrinterEntry& printer);

// The item's select strings 1 to 5, up to the first empty one.
Choices SelectChoices(const ScriptItem& item);

// What a drop-down for `item` lists. The paper names follow `printer` (entry 0 standing in);
// `plot_styles` is called only for a style item. Modes outside 2 to 5 list nothing.
template <typename PlotStyles>
Choices ChoicesForItem(const ScriptItem& item, const PrinterCatalog& catalog,
                       const std::optional<std::string_view>& printer, PlotStyles&& plot_styles) {
  switch (static_cast<EditMode>(item.edit_mode)) {
    case EditMode::kSelect:
      return SelectChoices(item);
    case EditMode::kPrinter:
      return PrinterNames(catalog);
    case EditMode::kPaper:
      return PaperNames(PrinterOrFirst(catalog, printer));
    case EditMode::kPlotStyle:
      return plot_styles();
    default:
      return {};
  }
}

// The paper box following the printer box: what changes once the printer text is checked.
struct PaperUpdate {
  std::optional<std::string> printer_text;  // the printer box's new text, when it is reset
  std::optional<Choices> papers;            // the paper box's new list, when it is replaced
  std::string paper_text;
};

// What a printer name that no printer has does to the linked boxes.
enum class UnknownPrinter {
  kResetToFirst,  // both boxes show printer entry 0 (the edit dialog)
  kKeepPapers,    // nothing changes (the file-name rules dialog)
};

// Checks the printer box's text against the last text seen (which it then remembers): an
// unchanged text changes nothing; a printer's exact name gives its papers and the first of them.
std::optional<PaperUpdate> FollowPrinter(std::string& last_seen, std::string_view printer_text,
                                         const PrinterCatalog& catalog, UnknownPrinter unknown);

}  // namespace drawlot
