#include "core/env/printer_catalog.h"

namespace drawlot {

int PrinterEntry::PaperCount() const {
  int n = 0;
  while (n < kMaxPaperNames && !papers[n].empty()) ++n;
  return n;
}

void PrinterCatalog::Clear() {
  count = 0;
  for (PrinterEntry& entry : printers) {
    entry.name.Clear();
    for (PaperName& paper : entry.papers) paper.Clear();
  }
}

int FindPrinter(const PrinterCatalog& catalog, std::string_view name) {
  for (int i = 0; i < catalog.count; ++i) {
    if (catalog.printers[i].name.view() == name) return i;
  }
  return -1;
}

int PrinterIndexOrFirst(const PrinterCatalog& catalog, std::string_view name) {
  const int index = FindPrinter(catalog, name);
  return index < 0 ? 0 : index;
}

}  // namespace drawlot
