// The help pages: the page beside the program wins over the maker's site, and a page the shell
// cannot open is told with where it is.
#include "win/platform/help_pages.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "win/support/cad_standin.h"

namespace drawlot {
namespace {

using testing::AwaitStandInRuns;
using testing::Box;
using testing::Boxes;
using testing::InstallStandIn;
using testing::RecordingPrompter;
using testing::StandInProgram;
using testing::TempFolder;

constexpr char kPage[] = "Dw-HELP03.htm";

// A help page put beside the running program (the test suite) for the test's length.
class PageBesideProgram {
 public:
  PageBesideProgram()
      : path_(StandInProgram().substr(0, StandInProgram().rfind('\\') + 1) + kPage) {
    HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  ~PageBesideProgram() { DeleteFileA(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// While it lives, the shell opens ".htm" files with `program`; the old association comes back.
class HtmlHandler {
 public:
  explicit HtmlHandler(const std::string& program) {
    char old[256] = {};
    LONG size = sizeof old;
    had_old_ = RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", old, &size) == ERROR_SUCCESS;
    old_ = old;
    Set(".htm", "DrawlotTest.htm");
    Set("DrawlotTest.htm\\shell\\open\\command", "\"" + program + "\" \"%1\"");
  }
  ~HtmlHandler() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "DrawlotTest.htm");
    if (had_old_) {
      Set(".htm", old_);
    } else {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
    }
  }

 private:
  static void Set(const std::string& key, const std::string& value) {
    EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                           static_cast<DWORD>(value.size())),
              ERROR_SUCCESS);
  }
  bool had_old_ = false;
  std::string old_;
};

TEST(HelpPages, ThePageBesideTheProgramIsOpenedOrToldWithItsPath) {
  EXPECT_EQ(HelpPageLocation(kPage), "https://www.harrowby.example/Dw-HELP03.htm");

  const PageBesideProgram page;
  EXPECT_EQ(HelpPageLocation(kPage), page.path());

  // A bare Wine has no browser for ".htm": the user is told where the page is.
  RecordingPrompter prompter;
  OpenHelpPage(ShellPageOpener(prompter), kPage);
  EXPECT_EQ(
      prompter.shown,
      (Boxes{Box(0, "ページを開けませんでした。ブラウザで次の場所を開いて下さい。\n" + page.path(),
                 "ﾍﾙﾌﾟ", Icon::kWarning)}));

  // With a program for ".htm" the page is handed to it, and nothing is told.
  const TempFolder browser_folder;
  const HtmlHandler handler(InstallStandIn(browser_folder, "browser.exe"));
  prompter.shown.clear();
  OpenHelpPage(ShellPageOpener(prompter), kPage);
  EXPECT_TRUE(prompter.shown.empty());
  const auto runs = AwaitStandInRuns(browser_folder, 1);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_NE(runs[0].command_line.find("\"" + page.path() + "\""), std::string::npos)
      << runs[0].command_line;
}

}  // namespace
}  // namespace drawlot
