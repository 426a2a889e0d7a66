#include "core/script/file_extension.h"

#include <gtest/gtest.h>

namespace drawlot {
namespace {

TEST(ForceExtensionTest, ReplacesFromTheNamesFirstPeriodOrAppends) {
  EXPECT_EQ(ForceExtension("C:\\work\\run.txt", kScriptExtension), "C:\\work\\run.scr");
  EXPECT_EQ(ForceExtension("C:\\my.dir\\run", kScriptExtension), "C:\\my.dir\\run.scr");
  EXPECT_EQ(ForceExtension("C:\\work\\a.b.c", kScriptExtension), "C:\\work\\a.scr");
  EXPECT_EQ(ForceExtension("list.txt", kListExtension), "list.ini");
  EXPECT_EQ(ForceExtension("C:\\my.dir\\list", kListExtension), "C:\\my.dir\\list.ini");
  // The trail byte of 表 is no separator: the name is "a.表b", so its period counts.
  EXPECT_EQ(ForceExtension("C:\\dir\\a.表b", kListExtension), "C:\\dir\\a.ini");
  EXPECT_EQ(ForceExtension("C:\\x.y\\表", kScriptExtension), "C:\\x.y\\表.scr");
}

}  // namespace
}  // namespace drawlot
