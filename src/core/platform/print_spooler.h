// The print spooler as the printer catalogue sees it: the printers with their ports in the
// spooler's order, and a printer's paper names as the driver reports them, in records of 64
// bytes. The Win32 shell implements it over EnumPrintersA and DeviceCapabilitiesA; tests use
// the in-memory spooler (tests/support/fakes/).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace drawlot {

struct SpoolerPrinter {
  std::string name;  // whole, as the spooler has it (it may be longer than the catalogue holds)
  std::string port;
};

class PrintSpooler {
 public:
  virtual ~PrintSpooler() = default;
  // Every local and connected printer, in the spooler's order; nothing when it cannot list them.
  virtual std::optional<std::vector<SpoolerPrinter>> Printers() = 0;
  // The number of paper names the driver reports; 0 or less when it reports none or fails.
  virtual int PaperNameCount(const SpoolerPrinter& printer) = 0;
  // Fills `records` (zeroed by the caller, 64 bytes a name) with the paper names and returns the
  // number the driver reports this time. A record of a 64-byte name has no NUL.
  virtual int ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) = 0;
};

}  // namespace drawlot
