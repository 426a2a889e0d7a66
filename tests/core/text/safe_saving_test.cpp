// Saving and reading the files the program keeps: the temporary file of a save fits wherever
// its target fits and never takes a name that is there; a file that exists but cannot be read
// is told apart from a missing one; the list is read line by line with a bounded line; and a
// save killed at any moment leaves the old file or the new one, whole.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/platform/settings_file.h"
#include "core/text/file_io.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace drawlot {
namespace {

using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(SafeSaving, TemporaryFileFitsWhereItsTargetFitsAndTakesNoExistingName) {
  const TempFolder folder;
  const std::string prefix = folder.File("");
  ASSERT_LT(prefix.size() + 20, kMaxPathBytes);
  // A target of the longest path there is: its save must work, with nothing left beside it.
  const std::string longest(kMaxPathBytes - prefix.size(), 'n');
  ASSERT_TRUE(SaveFileReplacing(folder.File(longest), "new"));
  EXPECT_EQ(folder.Read(longest), "new");
  EXPECT_EQ(folder.Names(), Names{longest});

  // Any name length: the temporary path is never longer than the room the target has.
  for (std::size_t name = 1; name <= 20; ++name) {
    const std::string target =
        std::string(kMaxPathBytes - name - 1, 'f') + kPathSeparator + std::string(name, 'n');
    const std::string temporary = TemporaryNameBeside(target, 0x0123456789abcdefu);
    EXPECT_LE(temporary.size(), kMaxPathBytes) << name;
    EXPECT_EQ(temporary.substr(0, kMaxPathBytes - name), target.substr(0, kMaxPathBytes - name));
    EXPECT_NE(temporary, target);
    EXPECT_NE(TemporaryNameBeside(target, 0xfedcba9876543210u), temporary) << name;
  }

  // A file of the user's named like the target plus ".tmp" is no business of the save.
  folder.Write("a.ini.tmp", "mine");
  ASSERT_TRUE(SaveFileReplacing(folder.File("a.ini"), "saved"));
  EXPECT_EQ(folder.Read("a.ini.tmp"), "mine");
  EXPECT_EQ(folder.Names(), (Names{"a.ini", "a.ini.tmp", longest}));
}

TEST(SafeSaving, AFileThatIsThereButCannotBeReadIsNotMissing) {
  const TempFolder folder;
  folder.Write("plain.ini", "abc");
  folder.Write("large.ini", std::string(5000, 'x'));
  folder.MakeFolder("folder.ini");  // opened for reading, it fails as a locked file does
  EXPECT_EQ(ReadWholeFile(folder.File("plain.ini"), 3).outcome, ReadOutcome::kRead);
  EXPECT_EQ(ReadWholeFile(folder.File("plain.ini"), 3).bytes, "abc");
  EXPECT_EQ(ReadWholeFile(folder.File("missing.ini"), 3).outcome, ReadOutcome::kMissing);
  EXPECT_EQ(ReadWholeFile(folder.File("folder.ini"), 3).outcome, ReadOutcome::kUnreadable);
  EXPECT_EQ(ReadWholeFile(folder.File("large.ini"), 4999).outcome, ReadOutcome::kUnreadable);

  // The start-up readers pass it on: the defaults stay, and the caller knows not to write.
  folder.MakeFolder(std::string(kEnvironmentFileName));
  EnvironmentSettings settings{};
  EXPECT_EQ(LoadEnvironmentSettings(settings, folder.path()), kSettingsUnreadable);
  EnvironmentSettings defaults{};
  ApplyEnvironmentDefaults(defaults, folder.path());
  EXPECT_EQ(SerializeEnvironmentSettings(settings), SerializeEnvironmentSettings(defaults));
}

TEST(FileLines, ReadsLineByLineAndEndsAtALineBeyondTheBound) {
  const TempFolder folder;
  const std::string block(70000, 'b');  // longer than a read block: a line spans blocks
  folder.Write("lines.ini", "one\r\ntwo\r\r\n" + block + "\n\nthree\rx\n" + block + "y\nlast");
  FileLines lines(folder.File("lines.ini"));
  ASSERT_TRUE(lines.IsOpen());
  std::string line;
  Names read;
  while (lines.Next(block.size(), line)) read.push_back(line.size() > 20 ? "block" : line);
  EXPECT_EQ(read, (Names{"one", "two\r", "block", "", "three\rx"}));
  EXPECT_FALSE(lines.Failed());
  EXPECT_TRUE(lines.Overlong());  // the reader can tell it from the file's end

  FileLines missing(folder.File("missing.ini"));
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_EQ(missing.OpenOutcome(), ReadOutcome::kMissing);
}

// ---- A save killed at random moments -------------------------------------------------------

// Two large contents of the same target, each recognisable whole.
std::string Content(char mark) {
  std::string bytes = "max_cont=40000\r\n";
  for (int row = 0; row < 40000; ++row)
    bytes += std::string(60, mark) + ";" + std::to_string(row) + "\r\n";
  return bytes;
}

[[noreturn]] void SaveForever(const std::string& target) {
  const std::string contents[2] = {Content('a'), Content('b')};
  for (int round = 0;; ++round) SaveFileReplacing(target, contents[round % 2]);
}

#ifdef _WIN32
constexpr int kRounds = 6;
constexpr int kMaxDelayMs = 1500;  // the child needs a while to start under Wine
constexpr char kTargetVariable[] = "DRAWLOT_KILLED_SAVE_TARGET";

// The child: this test program again, running only the test below.
TEST(KilledSave, DISABLED_SaveForever) {
  char target[MAX_PATH] = {};
  if (GetEnvironmentVariableA(kTargetVariable, target, sizeof target) == 0) GTEST_SKIP();
  SaveForever(target);
}

void SaveAndKillAfter(const std::string& target, int delay_ms) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string line =
      " --gtest_filter=KilledSave.DISABLED_SaveForever --gtest_also_run_disabled_tests";
  SetEnvironmentVariableA(kTargetVariable, target.c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child));
  SetEnvironmentVariableA(kTargetVariable, nullptr);
  Sleep(static_cast<DWORD>(delay_ms));
  TerminateProcess(child.hProcess, 9);
  WaitForSingleObject(child.hProcess, INFINITE);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
}
#else
constexpr int kRounds = 25;
constexpr int kMaxDelayMs = 120;

void SaveAndKillAfter(const std::string& target, int delay_ms) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) SaveForever(target);
  usleep(static_cast<useconds_t>(delay_ms) * 1000);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
}
#endif

TEST(KilledSave, LeavesTheOldFileOrTheNewOneWholeAndNothingTheNextSaveTripsOver) {
  const TempFolder folder;
  const std::string target = folder.File("listview.ini");
  const std::string a = Content('a');
  const std::string b = Content('b');
  ASSERT_TRUE(SaveFileReplacing(target, a));
  std::mt19937 random(std::random_device{}());
  for (int round = 0; round < kRounds; ++round) {
    SaveAndKillAfter(target, std::uniform_int_distribution<int>(0, kMaxDelayMs)(random));
    const std::string now = folder.Read("listview.ini");
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    // At most the one temporary file the killed save was writing is left, and the next save
    // goes through whatever it is called.
    EXPECT_LE(folder.Names().size(), static_cast<std::size_t>(round + 2));
    ASSERT_TRUE(SaveFileReplacing(target, round % 2 ? a : b));
  }
}

}  // namespace
}  // namespace drawlot
