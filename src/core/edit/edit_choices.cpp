#include "core/edit/edit_choices.h"

namespace drawlot {

Choices PrinterNames(const PrinterCatalog& catalog) {
  Choices names;
  for (int i = 0; i < catalog.count; ++i) names.push_back(catalog.printers[i].name.str());
  return names;
}

const PrinterEntry& PrinterOrFirst(const PrinterCatalog& catalog,
                                   const std::optional<std::string_view>& printer) {
  return catalog.printers[printer ? PrinterIndexOrFirst(catalog, *printer) : 0];
}

Choices PaperNames(const PrinterEntry& printer) {
  Choices names;
  for (int i = 0, count = printer.PaperCount(); i < count; ++i) {
    names.push_back(printer.papers[i].str());
  }
  return names;
}

Choices SelectChoices(const ScriptItem& item) {
  Choices choices;
  for (const auto& text : item.select) {
    if (text.empty()) break;
    choices.push_back(text.str());
  }
  return choices;
}

std::optional<PaperUpdate> FollowPrinter(std::string& last_seen, std::string_view printer_text,
                                         const PrinterCatalog& catalog, UnknownPrinter unknown) {
  if (printer_text == last_seen) return std::nullopt;
  last_seen = printer_text;
  const int index = FindPrinter(catalog, printer_text);
  if (index >= 0) {
    const PrinterEntry& printer = catalog.printers[index];
    return PaperUpdate{std::nullopt, PaperNames(printer), printer.papers[0].str()};
  }
  if (unknown == UnknownPrinter::kKeepPapers) return std::nullopt;
  const PrinterEntry& first = catalog.printers[0];
  return PaperUpdate{first.name.str(), std::nullopt, first.papers[0].str()};
}

}  // namespace drawlot
