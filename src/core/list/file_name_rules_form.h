// The file-name rules as the dialog "ファイル名で印刷設定" shows them: which control holds which
// field. The dialog fills its controls from the rules and stores every control back (on OK and
// on the close box alike), each text cut to its field.
#pragma once

#include <array>

#include "core/env/environment_settings.h"

namespace drawlot {

// The controls of one printer-and-paper rule.
struct PrinterPaperRuleControls {
  int search;
  int printer;
  int paper;
};

inline constexpr std::array<PrinterPaperRuleControls, kPrinterPaperRuleCount> kRuleControls{{
    {101, 115, 138},
    {102, 124, 137},
    {104, 125, 136},
    {108, 126, 135},
}};

// Calls visit(control_id, flag) for the four check boxes.
template <typename Visit>
void ForEachRuleFlag(FileNameRules& rules, Visit&& visit) {
  visit(105, rules.ps);
  visit(106, rules.ds);
  visit(107, rules.ss);
  visit(109, rules.chg_on);
}

// Calls visit(control_id, field) for every text the dialog edits (FixedText fields of 8, 128
// and 64 bytes: assigning a control's text to a field cuts it to 7, 127 or 63 bytes).
template <typename Visit>
void ForEachRuleText(FileNameRules& rules, Visit&& visit) {
  for (int rule = 0; rule < kPrinterPaperRuleCount; ++rule) {
    visit(kRuleControls[rule].search, rules.fp_ps[rule].search);
    visit(kRuleControls[rule].printer, rules.fp_ps[rule].printer);
    visit(kRuleControls[rule].paper, rules.fp_ps[rule].paper);
  }
  visit(110, rules.search_d1);
  visit(111, rules.search_d2);
  visit(112, rules.search_s1);
  visit(113, rules.search_s2);
  visit(116, rules.search_s3);
}

}  // namespace drawlot
