#include "core/list/file_name_rules_form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace drawlot {
namespace {

// The dialog's round trip: controls filled from the rules, typed over, stored back.
TEST(FileNameRulesForm, EveryControlStoresIntoItsFieldCutToTheFieldSize) {
  std::map<int, std::string> controls;
  FileNameRules rules;
  rules.fp_ps[1].printer = "LBP";
  rules.ss = '1';
  ForEachRuleText(rules, [&](int id, const auto& field) { controls[id] = field.str(); });
  ForEachRuleFlag(rules, [&](int id, Flag flag) { controls[id] = IsOn(flag) ? "1" : "0"; });
  EXPECT_EQ(controls.size(), 21u);  // 17 texts and 4 check boxes, no id twice
  EXPECT_EQ(controls[124], "LBP");
  EXPECT_EQ(controls[107], "1");
  EXPECT_EQ(controls[105], "0");

  controls[101] = "A1_PLAN";   // 7 bytes: kept whole
  controls[102] = "図面123";   // 7 bytes
  controls[104] = "図面1234";  // 8 bytes: cut to 7
  controls[108] = "ABCD図面";  // a cut that would split 面 keeps 6 bytes
  controls[126] = std::string(130, 'p');
  controls[135] = std::string(70, 'q');
  controls[116] = "disp";
  controls[109] = "1";
  ForEachRuleText(rules, [&](int id, auto& field) { field = controls[id]; });
  ForEachRuleFlag(rules, [&](int id, Flag& flag) { flag = controls[id] == "1" ? '1' : '0'; });
  EXPECT_EQ(rules.fp_ps[0].search, "A1_PLAN");
  EXPECT_EQ(rules.fp_ps[1].search, "図面123");
  EXPECT_EQ(rules.fp_ps[2].search, "図面123");
  EXPECT_EQ(rules.fp_ps[3].search, "ABCD図");
  EXPECT_EQ(rules.fp_ps[3].printer, std::string(127, 'p'));
  EXPECT_EQ(rules.fp_ps[3].paper, std::string(63, 'q'));
  EXPECT_EQ(rules.fp_ps[1].printer, "LBP");
  EXPECT_EQ(rules.search_s3, "disp");
  EXPECT_EQ(rules.chg_on, '1');
  EXPECT_EQ(rules.ps, '0');
}

}  // namespace
}  // namespace drawlot
