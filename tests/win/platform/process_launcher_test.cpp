// The real launcher with the AutoCAD stand-in: the exact command line the started program
// sees, the waiter's reports off the caller's thread, the start without waiting, and programs
// that cannot be started.
#include "win/platform/process_launcher.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "core/script/autocad_run.h"
#include "support/temp_folder.h"
#include "win/support/cad_standin.h"

namespace drawlot::testing {
namespace {

// What the waiter reported, collected off its thread.
class Reports {
 public:
  ProcessReports Sink() {
    return [this](const ProcessReport& report) {
      const std::lock_guard<std::mutex> hold(lock_);
      seen_.push_back(report);
      on_thread_ = on_thread_ || GetCurrentThreadId() != window_thread_;
    };
  }
  // Once `count` reports have come (or a generous limit has passed, so a fault fails).
  std::vector<ProcessReport> Await(std::size_t count) {
    for (int attempt = 0; attempt < 1000 && Seen().size() < count; ++attempt) Sleep(10);
    return Seen();
  }
  std::vector<ProcessReport> Seen() {
    const std::lock_guard<std::mutex> hold(lock_);
    return seen_;
  }
  bool OffTheThread() {
    const std::lock_guard<std::mutex> hold(lock_);
    return on_thread_;
  }

 private:
  std::mutex lock_;
  std::vector<ProcessReport> seen_;
  DWORD window_thread_ = GetCurrentThreadId();
  bool on_thread_ = false;
};

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

  Reports reports;
  ASSERT_TRUE(launcher.StartWatched(program, line, 0, reports.Sink()));
  EXPECT_EQ(reports.Await(1), (std::vector<ProcessReport>{{}}));
  const auto runs = StandInRuns(cad);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].command_line, " /b \"" + script + "\"");
  EXPECT_EQ(runs[0].script_path, script);
  EXPECT_EQ(runs[0].script, "open \"C:\\表\\a.dwg\"\r\nquit\r\n");
  EXPECT_TRUE(runs[0].ended);  // written before its end was reported
  EXPECT_TRUE(reports.OffTheThread());
}

// The start returns at once; the waiter reports the deadline, then the end: by itself with
// its exit code, or as ours once End took it. An End after the process ended by itself changes
// nothing, and a process dropped by its owner is still waited for.
TEST_F(ProcessLauncherTest, TheWaiterReportsTheDeadlineAndTheEndAsItWas) {
  const std::string program = InstallStandIn(cad, "aclt.exe");
  work.Write("hang.scr", "open \"hang.dwg\"\r\n");
  work.Write("b.scr", "open \"b.dwg\"\r\n");
  cad.Write("standin.hang", "hang.dwg");
  cad.Write("standin.exit", "3");

  Reports hanging;
  const auto hung = launcher.StartWatched(program, *AutoCadCommandLine(work.File("hang.scr")), 300,
                                          hanging.Sink());
  ASSERT_TRUE(hung);
  EXPECT_TRUE(hanging.Await(0).empty());  // nothing yet: the start did not wait
  EXPECT_EQ(hanging.Await(1), (std::vector<ProcessReport>{{.deadline_passed = true}}));
  hung->End();
  hung->End();
  EXPECT_EQ(hanging.Await(2), (std::vector<ProcessReport>{{.deadline_passed = true},
                                                          {.exit_code = 1, .ended_by_us = true}}));

  Reports ending;
  auto ended =
      launcher.StartWatched(program, *AutoCadCommandLine(work.File("b.scr")), 60000, ending.Sink());
  ASSERT_TRUE(ended);
  EXPECT_EQ(ending.Await(1), (std::vector<ProcessReport>{{.exit_code = 3}}));
  ended->End();
  ended.reset();
  Sleep(50);
  EXPECT_EQ(ending.Await(1), (std::vector<ProcessReport>{{.exit_code = 3}}));
}

TEST_F(ProcessLauncherTest, MissingProgramCannotBeRun) {
  Reports reports;
  EXPECT_FALSE(launcher.StartWatched(cad.File("aclt.exe"), " /b \"x.scr\"", 0, reports.Sink()));
  EXPECT_FALSE(launcher.StartWatched("", " /b \"x.scr\"", 0, reports.Sink()));
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
