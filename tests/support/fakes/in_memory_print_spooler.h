// A print spooler held in memory, for the native tests: printers in the order added, paper
// names copied into their records as a driver does (up to 64 bytes, no NUL for a name that
// fills its record), and counts that a test can make disagree or fail.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/print_spooler.h"

namespace drawlot {

class InMemoryPrintSpooler : public PrintSpooler {
 public:
  struct Printer {
    SpoolerPrinter id;
    std::vector<std::string> papers;
    std::optional<int> counted;  // the first query's answer instead of the number of papers
    std::optional<int> read;     // the second query's answer instead of the number of papers
  };

  Printer& Add(std::string name, std::vector<std::string> papers = {});

  std::optional<std::vector<SpoolerPrinter>> Printers() override;
  int PaperNameCount(const SpoolerPrinter& printer) override;
  int ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) override;

  std::vector<Printer> printers;
  bool listing_fails = false;
  // The names of the printers whose paper names were read, in order.
  std::vector<std::string> papers_read_for;

 private:
  const Printer* Find(const SpoolerPrinter& printer) const;
};

}  // namespace drawlot
