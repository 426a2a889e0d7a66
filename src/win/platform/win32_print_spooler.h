// The real print spooler: EnumPrintersA (local and connected printers, level 2) and the
// driver's paper names through DeviceCapabilitiesA (DC_PAPERNAMES).
// It keeps nothing between calls (every buffer is the call's own), so it may be asked from any
// thread: the start-up enumeration asks it from its worker, and the window's thread waits for
// that worker before it asks anything itself.
#pragma once

#include "core/platform/print_spooler.h"

namespace drawlot {

class Win32PrintSpooler : public PrintSpooler {
 public:
  std::optional<std::vector<SpoolerPrinter>> Printers() override;
  int PaperNameCount(const SpoolerPrinter& printer) override;
  int ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) override;
};

}  // namespace drawlot
