#include "win/platform/win32_print_spooler.h"

#include <windows.h>

#include <winspool.h>

#include "core/env/paper_records.h"
#include "win/platform/system_library.h"

namespace drawlot {
namespace {

// winspool.drv is loaded here, on the first printer read, not when the program loads: Wine
// reads every queue when it loads the spooler.
constexpr char kSpooler[] = "winspool.drv";

BOOL SpoolerPrinters(DWORD flags, BYTE* buffer, DWORD size, DWORD* needed, DWORD* returned) {
  static const auto enum_printers =
      SystemFunction<decltype(&EnumPrintersA)>(kSpooler, "EnumPrintersA");
  if (!enum_printers) return FALSE;
  return enum_printers(flags, nullptr, 2, buffer, size, needed, returned);
}

int PaperNames(const SpoolerPrinter& printer, char* buffer) {
  static const auto device_capabilities =
      SystemFunction<decltype(&DeviceCapabilitiesA)>(kSpooler, "DeviceCapabilitiesA");
  if (!device_capabilities) return -1;
  return device_capabilities(printer.name.c_str(), printer.port.c_str(), DC_PAPERNAMES, buffer,
                             nullptr);
}

}  // namespace

std::optional<std::vector<SpoolerPrinter>> Win32PrintSpooler::Printers() {
  constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD returned = 0;
  SpoolerPrinters(kFlags, nullptr, 0, &needed, &returned);
  // PRINTER_INFO_2A holds pointers: keep the buffer aligned for them.
  std::vector<PRINTER_INFO_2A> buffer(needed / sizeof(PRINTER_INFO_2A) + 1);
  const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_2A));
  if (!SpoolerPrinters(kFlags, reinterpret_cast<BYTE*>(buffer.data()), size, &needed, &returned)) {
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
  return PaperNames(printer, nullptr);
}

// The driver writes as many names as it has when it is asked, so the read goes through a
// buffer sized from a count taken right before it.
int Win32PrintSpooler::ReadPaperNames(const SpoolerPrinter& printer, std::span<char> records) {
  return ReadPaperRecordsGuarded(
      records, [&] { return PaperNameCount(printer); },
      [&](char* buffer) { return PaperNames(printer, buffer); });
}

}  // namespace drawlot
