#include "core/script/run_check.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

#include "core/script/run_session.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::size_t kListedNames = 10;
constexpr std::size_t kPaperRecord = 64;
// A driver that reports more is not believed.
constexpr int kMostPapers = 4096;

bool EndsWithPc3(std::string_view name) {
  return name.size() >= 4 &&
         FoldAsciiLetters(name.substr(name.size() - 4)) == FoldAsciiLetters(".pc3");
}

// Every paper name of `printer` as its driver reports it.
std::vector<std::string> PaperNames(PrintSpooler& spooler, const SpoolerPrinter& printer) {
  const int count = std::min(spooler.PaperNameCount(printer), kMostPapers);
  if (count <= 0) return {};
  std::vector<char> records(static_cast<std::size_t>(count) * kPaperRecord, '\0');
  const int read = std::clamp(spooler.ReadPaperNames(printer, records), 0, count);
  std::vector<std::string> names;
  for (int k = 0; k < read; ++k) {
    const char* record = records.data() + static_cast<std::size_t>(k) * kPaperRecord;
    const void* nul = std::memchr(record, '\0', kPaperRecord);
    names.emplace_back(record, nul ? static_cast<const char*>(nul) - record : kPaperRecord);
  }
  return names;
}

class PrinterPapers {
 public:
  explicit PrinterPapers(PrintSpooler& spooler)
      : spooler_(spooler), printers_(spooler.Printers()) {}
  bool Known() const { return printers_.has_value(); }
  // nullptr when the spooler has no printer of that name.
  const std::vector<std::string>* Papers(const std::string& name) {
    const auto cached = papers_.find(name);
    if (cached != papers_.end()) return &cached->second;
    const auto printer = std::find_if(printers_->begin(), printers_->end(),
                                      [&](const SpoolerPrinter& p) { return p.name == name; });
    if (printer == printers_->end()) return nullptr;
    return &papers_.emplace(name, PaperNames(spooler_, *printer)).first->second;
  }

 private:
  PrintSpooler& spooler_;
  std::optional<std::vector<SpoolerPrinter>> printers_;
  std::map<std::string, std::vector<std::string>> papers_;
};

}  // namespace

std::vector<CheckedRow> CheckBeforeRun(const RowStore& rows, const ItemSlots& items,
                                       std::span<const int> rows_to_run,
                                       const DrawingLookup& lookup, PrintSpooler& spooler) {
  PrinterPapers printers(spooler);
  std::vector<CheckedRow> found;
  for (int row : rows_to_run) {
    const DrawingFacts facts = FactsOf(rows, items, row);
    std::optional<RunResult> fault;
    if (!lookup.exists(facts.drawing)) {
      fault = RunResult::kMissing;
    } else if (!lookup.is_drawing(facts.drawing)) {
      fault = RunResult::kNotDrawing;
    } else if (printers.Known() && !facts.printer.empty() && !EndsWithPc3(facts.printer)) {
      const std::vector<std::string>* papers = printers.Papers(facts.printer);
      if (!papers) {
        fault = RunResult::kNoPrinter;
      } else if (!facts.paper.empty() &&
                 std::find(papers->begin(), papers->end(), facts.paper) == papers->end()) {
        fault = RunResult::kNoPaper;
      }
    }
    if (fault) found.push_back(CheckedRow{row, *fault});
  }
  return found;
}

std::string CheckBeforeRunText(const RowStore& rows, const ItemSlots& items,
                               const std::vector<CheckedRow>& found) {
  const std::pair<RunResult, const char*> kinds[] = {
      {RunResult::kMissing, "図面がありません"},
      {RunResult::kNotDrawing, "図面ではありません"},
      {RunResult::kNoPrinter, "プリンタがありません"},
      {RunResult::kNoPaper, "用紙がありません"}};
  std::string text = "実行の前に、次の図面に問題が見つかりました。\r\n";
  for (const auto& [kind, words] : kinds) {
    std::vector<std::string> names;
    for (const CheckedRow& checked : found) {
      if (checked.finding == kind)
        names.emplace_back(FileNameOf(FactsOf(rows, items, checked.row).drawing));
    }
    if (names.empty()) continue;
    text += "\r\n" + std::string(words) + " " + std::to_string(names.size()) + "件\r\n";
    for (std::size_t i = 0; i < names.size() && i < kListedNames; ++i)
      text += "　" + names[i] + "\r\n";
    if (names.size() > kListedNames) text += "　…\r\n";
  }
  text += "\r\nこれらの図面を除いて実行しますか？\r\n（いいえ：何も実行しません）";
  return text;
}

}  // namespace drawlot
