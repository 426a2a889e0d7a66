#include "support/fakes/in_memory_print_spooler.h"

#include <algorithm>
#include <cstring>

#include "core/env/printer_catalog.h"

namespace drawlot {

InMemoryPrintSpooler::Printer& InMemoryPrintSpooler::Add(std::string name,
                                                         std::vector<std::string> papers) {
  std::string port = "CUPS:" + name;
  printers.push_back(Printer{{std::move(name), std::move(port)}, std::move(papers), {}, {}});
  return printers.back();
}

std::optional<std::vector<SpoolerPrinter>> InMemoryPrintSpooler::Printers() {
  if (listing_fails) return std::nullopt;
  std::vector<SpoolerPrinter> listed;
  for (const Printer& printer : printers) listed.push_back(printer.id);
  return listed;
}

const InMemoryPrintSpooler::Printer* InMemoryPrintSpooler::Find(
    const SpoolerPrinter& printer) const {
  for (const Printer& candidate : printers) {
    if (candidate.id.name == printer.name && candidate.id.port == printer.port) return &candidate;
  }
  return nullptr;
}

int InMemoryPrintSpooler::PaperNameCount(const SpoolerPrinter& printer) {
  const Printer* found = Find(printer);
  if (!found) return -1;
  return found->counted.value_or(static_cast<int>(found->papers.size()));
}

int InMemoryPrintSpooler::ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) {
  papers_read_for.push_back(printer.name);
  const Printer* found = Find(printer);
  if (!found) return -1;
  const std::size_t fit = records.size() / kPaperRecordBytes;
  const std::size_t count = std::min(fit, found->papers.size());
  for (std::size_t k = 0; k < count; ++k) {
    const std::string& name = found->papers[k];
    const std::size_t bytes = std::min<std::size_t>(name.size(), kPaperRecordBytes);
    std::memcpy(records.data() + k * kPaperRecordBytes, name.data(), bytes);
  }
  return found->read.value_or(static_cast<int>(found->papers.size()));
}

}  // namespace drawlot
