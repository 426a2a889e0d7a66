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

  Texts Boxes() const {
    Texts boxes;
    for (const Message& m : prompter_.shown) {
      EXPECT_EQ(m.owner, kDialog);
      boxes.push_back(m.title + "|" + m.text + "|" + std::to_string(static_cast<int>(m.icon)));
    }
    return boxes;
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
  EXPECT_EQ(prompter_.shown[0].buttons, Buttons::kYesNo);
  EXPECT_EQ(Boxes(), (Texts{"環境設定の自動設定|自動で設定してもいいですか？|0",
                            "環境設定の自動設定|内容を確認して下さい|0"}));
  EXPECT_EQ(events_, (Texts{"open after 1 boxes", "close after 1 boxes"}));
}

TEST_F(EnvironmentDetectionTest, EachMissingFileIsToldAndFallsBack) {
  files_.AddFile("C:\\acad\\acad.exe");

  const auto paths = Detect(Answer::kYes);

  ASSERT_TRUE(paths.has_value());
  EXPECT_EQ(paths->autocad_file, "C:\\acad\\acad.exe");
  EXPECT_EQ(paths->temp_file, "C:\\Tools\\atcprint.scr");
  EXPECT_EQ(paths->end_file_dwg, "C:\\Tools\\endfile.dwg");
  EXPECT_EQ(Boxes(), (Texts{"環境設定の自動設定|自動で設定してもいいですか？|0",
                            "ファイル検索|atcprint.scrが固定ドライブ上にありませんでした。|48",
                            "ファイル検索|endfile.dwgが固定ドライブ上にありませんでした。|48",
                            "環境設定の自動設定|内容を確認して下さい|0"}));
  // The warnings come while the waiting window is up.
  EXPECT_EQ(events_, (Texts{"open after 1 boxes", "close after 3 boxes"}));

  prompter_.shown.clear();
  files_ = InMemoryFileSystem();
  files_.SetDriveType('c', DriveType::kFixed);
  EXPECT_EQ(Detect(Answer::kYes)->autocad_file, "c:\\Program Files\\ACAD\\aclt.exe");
  EXPECT_EQ(Boxes()[1], "ファイル検索|AutoCADが固定ドライブ上にありませんでした。|48");
}

TEST_F(EnvironmentDetectionTest, AnsweringNoSearchesNothing) {
  EXPECT_EQ(Detect(Answer::kNo), std::nullopt);
  EXPECT_EQ(prompter_.shown.size(), 1u);
  EXPECT_TRUE(files_.searched_roots.empty());
  EXPECT_TRUE(events_.empty());
}

}  // namespace
}  // namespace drawlot::testing
