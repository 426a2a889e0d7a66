// The automatic set-up over the in-memory file system: the question, the waiting window around
// the searches, aclt.exe before acad.exe on every drive, the warnings and fallbacks.
#include "core/env/environment_detection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fakes/in_memory_file_system.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;
constexpr WindowRef kDialog = 0x202;

const Message kAsk = Box(kDialog, "自動で設定してもいいですか？", "環境設定の自動設定", Icon::kNone,
                         Buttons::kYesNo);
const Message kCheck = Box(kDialog, "内容を確認して下さい", "環境設定の自動設定", Icon::kNone);
Message NotFound(const std::string& name) {
  return Box(kDialog, name + "が固定ドライブ上にありませんでした。", "ファイル検索",
             Icon::kWarning);
}

class EnvironmentDetectionTest : public ::testing::Test {
 protected:
  EnvironmentDetectionTest() {
    files_.SetDriveType('c', DriveType::kFixed);
    files_.SetDriveType('d', DriveType::kFixed);
    files_.SetDriveType('e', DriveType::kCdRom);
  }

  std::optional<DetectedPaths> Detect(Answer answer) {
    prompter_.answers.push_back(answer);
    return DetectEnvironment(files_, "C:\\Tools", prompter_, kDialog, [this](bool shown) {
      events_.push_back(std::string(shown ? "open" : "close") + " after " +
                        std::to_string(prompter_.shown.size()) + " boxes");
    });
  }

  InMemoryFileSystem files_;
  RecordingPrompter prompter_;
  Texts events_;
};

TEST_F(EnvironmentDetectionTest, FindsEachFileOnTheFixedDrivesPreferringAcltExe) {
  files_.AddFile("C:\\Program Files\\AutoCAD\\acad.exe");
  files_.AddFile("D:\\LT\\ACLT.EXE");
  files_.AddFile("D:\\work\\atcprint.scr");
  files_.AddFile("C:\\end\\endfile.dwg");
  files_.AddFile("E:\\endfile.dwg");

  const auto paths = Detect(Answer::kYes);

  ASSERT_TRUE(paths.has_value());
  EXPECT_EQ(paths->autocad_file, "D:\\LT\\ACLT.EXE");
  EXPECT_EQ(paths->temp_file, "D:\\work\\atcprint.scr");
  EXPECT_EQ(paths->end_file_dwg, "C:\\end\\endfile.dwg");
  EXPECT_EQ(prompter_.shown, (Boxes{kAsk, kCheck}));
  EXPECT_EQ(events_, (Texts{"open after 1 boxes", "close after 1 boxes"}));
}

TEST_F(EnvironmentDetectionTest, EachMissingFileIsToldAndFallsBack) {
  files_.AddFile("C:\\acad\\acad.exe");

  const auto paths = Detect(Answer::kYes);

  ASSERT_TRUE(paths.has_value());
  EXPECT_EQ(paths->autocad_file, "C:\\acad\\acad.exe");
  EXPECT_EQ(paths->temp_file, "C:\\Tools\\atcprint.scr");
  EXPECT_EQ(paths->end_file_dwg, "C:\\Tools\\endfile.dwg");
  EXPECT_EQ(prompter_.shown,
            (Boxes{kAsk, NotFound("atcprint.scr"), NotFound("endfile.dwg"), kCheck}));
  // The warnings come while the waiting window is up.
  EXPECT_EQ(events_, (Texts{"open after 1 boxes", "close after 3 boxes"}));

  prompter_.shown.clear();
  files_ = InMemoryFileSystem();
  files_.SetDriveType('c', DriveType::kFixed);
  EXPECT_EQ(Detect(Answer::kYes)->autocad_file, "c:\\Program Files\\ACAD\\aclt.exe");
  EXPECT_EQ(prompter_.shown, (Boxes{kAsk, NotFound("AutoCAD"), NotFound("atcprint.scr"),
                                    NotFound("endfile.dwg"), kCheck}));
}

TEST_F(EnvironmentDetectionTest, AnsweringNoSearchesNothing) {
  EXPECT_EQ(Detect(Answer::kNo), std::nullopt);
  EXPECT_EQ(prompter_.shown, (Boxes{kAsk}));
  EXPECT_TRUE(files_.searched_roots.empty());
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace drawlot::testing
