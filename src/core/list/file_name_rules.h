// Conversion by file name: texts found in a row's first cell set its printer, paper,
// orientation and plot area, by the rules of the environment settings.
#pragma once

#include <string_view>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"

namespace drawlot {

// The columns the rules write, whatever items the current set displays there.
inline constexpr int kRulePrinterColumn = 5;
inline constexpr int kRulePaperColumn = 6;
inline constexpr int kRuleOrientationColumn = 8;
inline constexpr int kRulePlotAreaColumn = 10;

inline constexpr std::string_view kPortraitText = "縦";
inline constexpr std::string_view kLandscapeText = "横";
inline constexpr std::string_view kDrawingLimitsText = "図面範囲";
inline constexpr std::string_view kObjectsText = "ｵﾌﾞｼﾞｪｸﾄ";
inline constexpr std::string_view kDisplayText = "表示画面";

// True when `search` is not empty and occurs in `text` starting at a character of its own, so
// that "A1" does not match the trail byte of ア (83 41) followed by 1. Case-sensitive.
bool RuleTextMatches(std::string_view text, std::string_view search);

// Applies the rules to every row from `first_row` to the last. Within a group the rules are
// tried in order and a later match overwrites an earlier one; cells of rules that do not match
// keep their text, and columns the list does not have are left alone.
void ApplyFileNameRules(RowStore& rows, const FileNameRules& rules, int first_row);

}  // namespace drawlot
