// A printer catalogue built by hand for the edit tests.
#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/env/printer_catalog.h"

namespace drawlot::testing {

struct TestPrinter {
  std::string_view name;
  std::initializer_list<std::string_view> papers;
};

inline PrinterCatalog Catalog(std::initializer_list<TestPrinter> printers) {
  PrinterCatalog catalog;
  for (const TestPrinter& printer : printers) {
    PrinterEntry& entry = catalog.printers[catalog.count++];
    entry.name = printer.name;
    int slot = 0;
    for (std::string_view paper : printer.papers) entry.papers[slot++] = paper;
  }
  return catalog;
}

// Two printers, the second with Japanese paper names.
inline PrinterCatalog TwoPrinters() {
  return Catalog({{"LBP-1", {"A4", "A3", "B4"}}, {"複合機", {"Ａ４縦", "Ｂ５"}}});
}

}  // namespace drawlot::testing
