#include "core/env/printer_enumeration.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::size_t kMaxPrinterNameBytes = PrinterName::kCapacity;

// The text of one 64-byte record, up to its first NUL (a name that fills it has none).
std::string_view RecordText(const char* record) {
  const void* nul = std::memchr(record, '\0', kPaperRecordBytes);
  const std::size_t length =
      nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - record) : kPaperRecordBytes;
  return std::string_view(record, length);
}

// A zeroed buffer of `count` records; empty when there are none or no memory for them.
std::vector<char> PaperRecordBuffer(int count) {
  if (count <= 0) return {};
  try {
    return std::vector<char>(static_cast<std::size_t>(count) * kPaperRecordBytes, '\0');
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return {};
}

void StorePaperNames(PrinterEntry& entry, const std::vector<char>& records, int count,
                     const EnvironmentSettings& settings, Prompter& prompter,
                     const std::string& printer_name) {
  const bool ab_only = IsOn(settings.print_paper_ab);
  int slot = 0;
  for (int k = 0; k < count; ++k) {
    const std::string_view name = RecordText(records.data() + k * kPaperRecordBytes);
    if (ab_only && !IsABPaperName(name)) continue;
    if (slot == kMaxPaperNames) {
      // Only the unrestricted list says that names were dropped.
      if (!ab_only) prompter.Tell(0, "用紙種類が63個を超えました", printer_name, Icon::kNone);
      return;
    }
    entry.papers[slot++] = name;
  }
}

void ReadPrinterPapers(PrinterEntry& entry, const SpoolerPrinter& printer,
                       const EnvironmentSettings& settings, PrintSpooler& spooler,
                       Prompter& prompter, WindowRef owner) {
  const int count = spooler.PaperNameCount(printer);
  std::vector<char> records = PaperRecordBuffer(count);
  if (records.empty()) {
    entry.papers[0] = kProhibitionPaper;
    prompter.Tell(owner, "十分なメモリがないためバッファを割り当てられません", printer.name,
                  Icon::kNone);
    return;
  }
  if (spooler.ReadPaperNames(printer, records) != count) {
    prompter.Tell(owner, "用紙種類数が異なっています", printer.name, Icon::kNone);
  }
  StorePaperNames(entry, records, count, settings, prompter, printer.name);
}

void AddPrinter(PrinterEntry& entry, const SpoolerPrinter& printer,
                const EnvironmentSettings& settings, PrintSpooler& spooler, Prompter& prompter,
                WindowRef owner) {
  if (!printer.name.empty() && printer.name.size() <= kMaxPrinterNameBytes) {
    entry.name = printer.name;
  }
  if (IsProhibitedPrinter(settings.prohibition_print, printer.name)) {
    entry.papers[0] = kProhibitionPaper;
    prompter.Tell(owner, "このプリンターは使用禁止に設定なっています", printer.name, Icon::kNone);
    return;
  }
  ReadPrinterPapers(entry, printer, settings, spooler, prompter, owner);
}

}  // namespace

bool IsProhibitedPrinter(const ProhibitedPrinters& prohibited, std::string_view printer_name) {
  return std::any_of(prohibited.begin(), prohibited.end(), [&](const FixedText<64>& entry) {
    return !entry.empty() && printer_name.starts_with(entry.view());
  });
}

bool IsABPaperName(std::string_view paper_name) {
  for (std::size_t k = 0; k + 1 < paper_name.size(); ++k) {
    if (IsLeadByte(paper_name[k])) {
      ++k;  // a double-byte character: its trail byte is no letter
      continue;
    }
    const char letter = paper_name[k];
    const char digit = paper_name[k + 1];
    const bool series = letter == 'A' || letter == 'a' || letter == 'B' || letter == 'b';
    if (series && digit >= '0' && digit <= '9') return true;
  }
  return false;
}

void EnumeratePrinters(PrinterCatalog& catalog, const EnvironmentSettings& settings,
                       PrintSpooler& spooler, Prompter& prompter, WindowRef owner) {
  catalog.Clear();
  const std::optional<std::vector<SpoolerPrinter>> printers = spooler.Printers();
  if (!printers) {
    prompter.Tell(owner, "プリンタが見つかりません", "プリンタ検索中", Icon::kWarning);
    return;
  }
  catalog.count = static_cast<int>(std::min<std::size_t>(printers->size(), kMaxPrinters));
  for (int i = 0; i < catalog.count; ++i) {
    AddPrinter(catalog.printers[i], (*printers)[i], settings, spooler, prompter, owner);
  }
}

}  // namespace drawlot
