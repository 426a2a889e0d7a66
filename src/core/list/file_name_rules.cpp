#include "core/list/file_name_rules.h"

#include <algorithm>
#include <string>

#include "core/list/list_rows.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

// The first cell is read as a 128-byte field.
constexpr std::size_t kNameBytes = 127;

bool IsCharacterStart(std::string_view text, std::size_t at) {
  std::size_t i = 0;
  while (i < at) i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
  return i == at;
}

void ApplyPaperRules(RowStore& rows, int row, std::string_view name, const FileNameRules& rules) {
  for (const PrinterPaperRule& rule : rules.fp_ps) {
    if (!RuleTextMatches(name, rule.search.view())) continue;
    rows.SetCell(row, kRulePrinterColumn, rule.printer.view());
    rows.SetCell(row, kRulePaperColumn, rule.paper.view());
  }
}

void ApplyOrientationRules(RowStore& rows, int row, std::string_view name,
                           const FileNameRules& rules) {
  if (RuleTextMatches(name, rules.search_d1.view())) {
    rows.SetCell(row, kRuleOrientationColumn, kPortraitText);
  }
  if (RuleTextMatches(name, rules.search_d2.view())) {
    rows.SetCell(row, kRuleOrientationColumn, kLandscapeText);
  }
}

void ApplyPlotAreaRules(RowStore& rows, int row, std::string_view name,
                        const FileNameRules& rules) {
  if (RuleTextMatches(name, rules.search_s1.view())) {
    rows.SetCell(row, kRulePlotAreaColumn, kDrawingLimitsText);
  }
  if (RuleTextMatches(name, rules.search_s2.view())) {
    rows.SetCell(row, kRulePlotAreaColumn, kObjectsText);
  }
  if (RuleTextMatches(name, rules.search_s3.view())) {
    rows.SetCell(row, kRulePlotAreaColumn, kDisplayText);
  }
}

}  // namespace

bool RuleTextMatches(std::string_view text, std::string_view search) {
  if (search.empty()) return false;
  for (std::size_t at = text.find(search); at != std::string_view::npos;
       at = text.find(search, at + 1)) {
    if (IsCharacterStart(text, at)) return true;
  }
  return false;
}

void ApplyFileNameRules(RowStore& rows, const FileNameRules& rules, int first_row) {
  const int count = rows.RowCount();
  for (int row = std::max(first_row, 0); row < count; ++row) {
    const std::string name = ReadCellText(rows, row, 0, kNameBytes);
    if (IsOn(rules.ps)) ApplyPaperRules(rows, row, name, rules);
    if (IsOn(rules.ds)) ApplyOrientationRules(rows, row, name, rules);
    if (IsOn(rules.ss)) ApplyPlotAreaRules(rows, row, name, rules);
  }
}

}  // namespace drawlot
