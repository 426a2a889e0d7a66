#include "core/edit/plot_styles.h"

#include <gtest/gtest.h>

#include "support/fakes/in_memory_file_system.h"

namespace drawlot {
namespace {

using Names = std::vector<std::string>;

TEST(PlotStyles, ListsTheFolderBesideAutoCadWithoutShortcutsAndShortNames) {
  InMemoryFileSystem files;
  files.AddFile("C:\\ACAD\\Plot Styles\\acad.ctb");
  files.AddFolder("C:\\ACAD\\Plot Styles\\old");
  files.AddFile("C:\\ACAD\\Plot Styles\\link.lnk");
  files.AddFile("C:\\ACAD\\Plot Styles\\LINK2.LNK");
  files.AddFile("C:\\ACAD\\Plot Styles\\mixed.lnK");
  files.AddFile("C:\\ACAD\\Plot Styles\\ab");
  files.AddFile("C:\\ACAD\\Plot Styles\\monochrome.ctb");
  files.AddFile("C:\\ACAD\\Plot Styles\\" + std::string(254, 'n') + "表.stb");
  // "." and ".." come first and are left out with the other short names.
  EXPECT_EQ(ListPlotStyles(files, "C:\\ACAD\\acad.exe"),
            (Names{"acad.ctb", "old", "mixed.lnK", "monochrome.ctb", std::string(254, 'n')}));
  EXPECT_EQ(files.listed_patterns, (Names{"C:\\ACAD\\Plot Styles\\*.*"}));
}

TEST(PlotStyles, StopsAfterAHundredNames) {
  InMemoryFileSystem files;
  for (int i = 0; i < 120; ++i) files.AddFile("C:\\A\\Plot Styles\\s" + std::to_string(i) + ".ctb");
  const Names names = ListPlotStyles(files, "C:\\A\\acad.exe");
  ASSERT_EQ(names.size(), 100u);
  EXPECT_EQ(names.back(), "s99.ctb");
}

TEST(PlotStyles, TheFolderEndsAtTheLastBackslashOfItsOwn) {
  InMemoryFileSystem files;
  files.AddFile("C:\\図表\\Plot Styles\\a.ctb");  // 表 is 95 5C
  EXPECT_EQ(ListPlotStyles(files, "C:\\図表\\acad.exe"), (Names{"a.ctb"}));
  EXPECT_EQ(AutoCadFolder("C:\\表acad.exe"), "C:");
  EXPECT_EQ(AutoCadFolder("表acad.exe"), "");  // only a trail byte: no folder
  EXPECT_EQ(AutoCadFolder("\\acad.exe"), "");  // a backslash at 0 is no folder
  EXPECT_EQ(AutoCadFolder("acad.exe"), "");
  EXPECT_TRUE(ListPlotStyles(files, "acad.exe").empty());
  EXPECT_TRUE(files.listed_patterns.size() == 1);  // no folder, no listing
  EXPECT_TRUE(ListPlotStyles(files, "C:\\none\\acad.exe").empty());
}

}  // namespace
}  // namespace drawlot
