// The in-memory file system behaves like the system's listing where the tests rely on it.
#include "support/fakes/in_memory_file_system.h"

#include <gtest/gtest.h>

namespace drawlot {
namespace {

using Texts = std::vector<std::string>;

Texts Names(const std::vector<DirectoryEntry>& entries) {
  Texts names;
  for (const DirectoryEntry& entry : entries) names.push_back(entry.name);
  return names;
}

TEST(InMemoryFileSystem, ListsInTheOrderAddedWithDotEntriesFirst) {
  InMemoryFileSystem files;
  files.AddFile("C:\\d\\b.dwg");
  files.AddFolder("C:\\d\\sub", kAttributeDirectory | kAttributeHidden);
  files.AddFile("C:\\d\\A.DWG");
  EXPECT_EQ(Names(files.List("C:\\d\\*")), (Texts{".", "..", "b.dwg", "sub", "A.DWG"}));
  EXPECT_EQ(Names(files.List("c:\\D\\*.dwg")), (Texts{"b.dwg", "A.DWG"}));
  EXPECT_EQ(Names(files.List("C:\\d\\a.dwg")), (Texts{"A.DWG"}));
  EXPECT_EQ(files.List("C:\\d\\*")[3].attributes, kAttributeDirectory | kAttributeHidden);
  EXPECT_TRUE(files.List("C:\\none\\*").empty());
}

TEST(InMemoryFileSystem, DriveRootHasNoDotEntriesAndTakesDoubleBackslashes) {
  InMemoryFileSystem files;
  files.AddFolder("C:\\w");
  EXPECT_EQ(Names(files.List("C:\\\\*")), (Texts{"w"}));
  EXPECT_EQ(Names(files.List("C:\\*")), (Texts{"w"}));
}

TEST(InMemoryFileSystem, CaseFoldingLeavesTrailBytesAlone) {
  InMemoryFileSystem files;
  files.AddFile("C:\\ア\\x.dwg");  // ア is 83 41: its trail byte is an "A"
  EXPECT_EQ(Names(files.List("C:\\ア\\*.dwg")), (Texts{"x.dwg"}));
  EXPECT_TRUE(files.List("C:\\\x83\x61\\*.dwg").empty());
}

TEST(InMemoryFileSystem, WildcardsMatchWithoutRegardToCase) {
  EXPECT_TRUE(MatchesWildcard("Plan.DWG", "*.dwg"));
  EXPECT_TRUE(MatchesWildcard("a", "?"));
  EXPECT_FALSE(MatchesWildcard("plan.dwgx", "*.dwg"));
  EXPECT_FALSE(MatchesWildcard("", "?"));
  EXPECT_TRUE(MatchesWildcard("", "*"));
  EXPECT_TRUE(MatchesWildcard("Plot Styles", "*.*"));  // a folder without a dot, as on Windows
  EXPECT_FALSE(MatchesWildcard("old", "*.dwg*.*"));
}

TEST(InMemoryFileSystem, TreeSearchStaysBelowItsRoot) {
  InMemoryFileSystem files;
  files.AddFile("D:\\x\\y\\Found.dwg");
  files.AddFolder("C:\\found.dwg");  // a folder of that name is no hit
  EXPECT_EQ(files.SearchTree("c:\\", "found.dwg"), std::nullopt);
  EXPECT_EQ(files.SearchTree("d:\\", "found.dwg"), "D:\\x\\y\\Found.dwg");
  EXPECT_EQ(files.TypeOfDrive('q'), DriveType::kNoRootDirectory);
}

}  // namespace
}  // namespace drawlot
