// The real launcher with the AutoCAD stand-in: the exact command line the started program
// sees, the wait until it has ended, the start through the search path without waiting, and
// programs that cannot be started.
#include "win/platform/process_launcher.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/script/autocad_run.h"
#include "support/temp_folder.h"
#include "win/support/cad_standin.h"

namespace drawlot::testing {
namespace {

class ProcessLauncherTest : public ::testing::Test {
 protected:
  TempFolder cad{"CAD 表"};
  TempFolder work{"作業 表 フォルダ"};
  ProcessLauncher launcher;
};

TEST_F(ProcessLauncherTest, ProgramSeesExactlyTheCommandLineAndItsScript) {
  const std::string program = InstallStandIn(cad, "aclt.exe");
  const std::string script = work.File("atc print.scr");
  work.Write("atc print.scr", "open \"C:\\表\\a.dwg\"\r\nquit\r\n");
  const std::string line = *AutoCadCommandLine(script);

  ASSERT_TRUE(launcher.RunAndWait(program, line));
  const auto runs = StandInRuns(cad);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command_line, " /b \"" + script + "\"");
  EXPECT_EQ(runs[0].script_path, script);
  EXPECT_EQ(runs[0].script, "open \"C:\\表\\a.dwg\"\r\nquit\r\n");
  EXPECT_TRUE(runs[0].ended);
}

TEST_F(ProcessLauncherTest, RunReturnsOnlyAfterTheProgramHasEnded) {
  const std::string program = InstallStandIn(cad, "aclt.exe");
  MakeStandInWait(cad, 700);
  ASSERT_TRUE(launcher.RunAndWait(program, " /b \"x.scr\""));
  const auto runs = StandInRuns(cad);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(runs[0].ended);  // written after its wait, before the launcher came back
}

TEST_F(ProcessLauncherTest, MissingProgramCannotBeRun) {
  EXPECT_FALSE(launcher.RunAndWait(cad.File("aclt.exe"), " /b \"x.scr\""));
  EXPECT_FALSE(launcher.RunAndWait("", " /b \"x.scr\""));
}

TEST_F(ProcessLauncherTest, StartRunsTheGivenProgramAndDoesNotWait) {
  InstallStandIn(cad, "drawlot_editor.exe");
  MakeStandInWait(cad, 700);
  const std::string line = "drawlot_editor.exe \"" + work.File("atc print.scr") + "\"";
  ASSERT_TRUE(launcher.Start(cad.File("drawlot_editor.exe"), line));
  // Back before the program ended: it is still waiting (or not even started).
  const auto early = StandInRuns(cad);
  EXPECT_TRUE(early.empty() || !early.back().ended);

  const auto runs = AwaitStandInRuns(cad, 1);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command_line, line);
  EXPECT_EQ(runs[0].script, "(none)");  // the file need not exist
}

TEST_F(ProcessLauncherTest, StartOfAMissingProgramFails) {
  EXPECT_FALSE(launcher.Start(cad.File("drawlot_no_such_editor.exe"), "editor \"x.scr\""));
}

}  // namespace
}  // namespace drawlot::testing
