#include "win/platform/win32_print_spooler.h"

#include <windows.h>

#include <winspool.h>

#include "core/env/paper_records.h"

namespace drawlot {

std::optional<std::vector<SpoolerPrinter>> Win32PrintSpooler::Printers() {
  constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD returned = 0;
  EnumPrintersA(kFlags, nullptr, 2, nullptr, 0, &needed, &returned);
  // PRINTER_INFO_2A holds pointers: keep the buffer aligned for them.
  std::vector<PRINTER_INFO_2A> buffer(needed / sizeof(PRINTER_INFO_2A) + 1);
  const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_2A));
  if (!EnumPrintersA(kFlags, nullptr, 2, reinterpret_cast<BYTE*>(buffer.data()), size, &needed,
                     &returned)) {
    return std::nullopt;
  }
  std::vector<SpoolerPrinter> printers;
  printers.reserve(returned);
  for (DWORD k = 0; k < returned; ++k) {
    const PRINTER_INFO_2A& info = buffer[k];
    printers.push_back(
        {info.pPrinterName ? info.pPrinterName : "", info.pPortName ? info.pPortName : ""});
  }
  return printers;
}

int Win32PrintSpooler::PaperNameCount(const SpoolerPrinter& printer) {
  return DeviceCapabilitiesA(printer.name.c_str(), printer.port.c_str(), DC_PAPERNAMES, nullptr,
                             nullptr);
}

// The driver writes as many names as it has when it is asked, so the read goes through a
// buffer sized from a count taken right before it.
int Win32PrintSpooler::ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) {
  return ReadPaperRecordsGuarded(
      records, [&] { return PaperNameCount(printer); },
      [&](char* buffer) {
        return DeviceCapabilitiesA(printer.name.c_str(), printer.port.c_str(), DC_PAPERNAMES,
                                   buffer, nullptr);
      });
}

}  // namespace drawlot
