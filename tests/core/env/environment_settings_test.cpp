#include <gtest/gtest.h>

#include "core/env/environment_settings.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"

namespace drawlot {
namespace {

using testing::Box;
using testing::Boxes;
using testing::RecordingPrompter;
using testing::TempFolder;
using testing::Visible;

std::string Nul() {
  return std::string(1, '\0');
}

// The file written from the defaults of a start-up folder without "atc_print.ini".
std::string DefaultFile(std::string_view base) {
  std::string f;
  f += "file_folder=c:\\\r\n";
  f += "autocad_file=c:\\Program Files\\ACAD LT 2000\\aclt.exe\r\n";
  f += "temp_file=" + std::string(base) + "\\atcprint.scr\r\n";
  f += "end_file_dwg=" + std::string(base) + "\\endfile.dwg\r\n";
  f += "autocad_type=0\r\n";
  f += "file_set.ps=" + Nul() + "\r\n";
  for (int i = 0; i < 4; ++i) {
    const std::string n = std::to_string(i);
    f += "file_set.fp_ps[" + n + "].search=\r\n";
    f += "file_set.fp_ps[" + n + "].printer=\r\n";
    f += "file_set.fp_ps[" + n + "].paper=\r\n";
  }
  f += "file_set.ds=" + Nul() + "\r\n";
  f += "file_set.search_d1=\r\nfile_set.search_d2=\r\n";
  f += "file_set.ss=" + Nul() + "\r\n";
  f += "file_set.search_s1=\r\nfile_set.search_s2=\r\nfile_set.search_s3=\r\n";
  f += "file_set.chg_on=" + Nul() + "\r\n";
  f += "prohibition_print=Foxit\r\n";
  for (int i = 1; i < 16; ++i) f += "prohibition_print=\r\n";
  f += "print_paper_ab=1\r\n";
  return f;
}

TEST(EnvironmentDefaults, FromAStartupFolderWithoutHint) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "D:\\Tools");
  EXPECT_EQ(s.temp_file, "D:\\Tools\\atcprint.scr");
  EXPECT_EQ(s.end_file_dwg, "D:\\Tools\\endfile.dwg");
  EXPECT_EQ(s.autocad_type, '0');
  EXPECT_EQ(s.print_paper_ab, '1');
  EXPECT_EQ(s.prohibition_print[0], "Foxit");
  const std::string bytes = SerializeEnvironmentSettings(s);
  EXPECT_EQ(Visible(bytes), Visible(DefaultFile("D:\\Tools")));
  int lines = 0;
  for (char c : bytes) lines += c == '\n';
  EXPECT_EQ(lines, 43);
}

TEST(EnvironmentDefaults, KeepTheAddingRuleSwitch) {
  EnvironmentSettings s;
  s.file_set.chg_on = '1';
  s.file_set.ps = '1';
  s.file_set.fp_ps[2].printer = "P";
  s.prohibition_print[5] = "X";
  ApplyEnvironmentDefaults(s, "C:\\");
  EXPECT_EQ(s.file_set.chg_on, '1');
  EXPECT_EQ(s.file_set.ps, '\0');
  EXPECT_TRUE(s.file_set.fp_ps[2].printer.empty());
  EXPECT_TRUE(s.prohibition_print[5].empty());
}

TEST(EnvironmentDefaults, BaseFolderHint) {
  EXPECT_EQ(BaseFolderFromHint("PATH=E:\\Acad\r\nnext=x\r\n", "S"), "E:\\Acad");
  EXPECT_EQ(BaseFolderFromHint("PATH=E:\\Acad\\\r\n", "S"), "E:\\Acad\\");  // kept as it is
  EXPECT_EQ(BaseFolderFromHint("=E:\\表\r\n", "S"), "E:\\表");
  EXPECT_EQ(BaseFolderFromHint("PATH=E:\\Acad", "S"), "S");                   // no CR
  EXPECT_EQ(BaseFolderFromHint("PATH E:\\Acad\r\n", "S"), "S");               // no "="
  EXPECT_EQ(BaseFolderFromHint(std::string(257, 'k') + "=x\r\n", "S"), "S");  // "=" too late
  EXPECT_EQ(BaseFolderFromHint(std::string(256, 'k') + "=x\r\n", "S"), "x");
  EXPECT_EQ(BaseFolderFromHint("a= lead\r\n", "S"), " lead");
  EXPECT_EQ(BaseFolderFromHint("a=\r\n", "S"), "");
  // At most 256 bytes of value.
  EXPECT_EQ(BaseFolderFromHint("a=" + std::string(300, 'v') + "\r\n", "S"), std::string(256, 'v'));
}

TEST(EnvironmentDefaults, PathsThatWouldNotFitAreNeverCut) {
  // 246 bytes of folder and "\atcprint.scr" make exactly the 259 bytes a path field holds.
  const std::string fits(246, 'f');
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, fits);
  EXPECT_EQ(s.temp_file, fits + "\\atcprint.scr");
  EXPECT_EQ(s.end_file_dwg, fits + "\\endfile.dwg");
  // One byte more: the script path would be cut, so it stays empty; the end drawing fits.
  const std::string longer(247, 'l');
  ApplyEnvironmentDefaults(s, longer);
  EXPECT_TRUE(s.temp_file.empty());
  EXPECT_EQ(s.end_file_dwg, longer + "\\endfile.dwg");
}

TEST(EnvironmentDefaults, AHintTooLongForThePathsFallsBackToTheStartupFolder) {
  TempFolder folder;
  folder.Write("atc_print.ini", "PATH=" + std::string(256, 'h') + "\r\n");
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, folder.path());
  EXPECT_EQ(s.temp_file, folder.path() + "\\atcprint.scr");
  EXPECT_EQ(s.end_file_dwg, folder.path() + "\\endfile.dwg");
}

TEST(EnvironmentDefaults, HintFileInTheStartupFolder) {
  TempFolder folder;
  folder.Write("atc_print.ini", "PATH=E:\\Acad\\\r\n");
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, folder.path());
  EXPECT_EQ(s.temp_file, "E:\\Acad\\\\atcprint.scr");
  EXPECT_EQ(s.end_file_dwg, "E:\\Acad\\\\endfile.dwg");
}

TEST(EnvironmentFile, KeysAndValues) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "C:\\x");
  ParseEnvironmentSettings(s,
                           "file_folder= D:\\図面\\\r\n"  // the leading space stays
                           "autocad_type=12\r\n"          // one byte: set 1
                           "file_set.ps=1\r\n"
                           "file_set.fp_ps[3].paper=A3 横\r\n"
                           "File_Folder=ignored\r\n"  // another case: no key
                           "print_paper_ab=yes\r\n"
                           "file_set.ds=\r\n"
                           "file_set.search_s3=abcdefghij\r\n"  // cut at 7 bytes
                           "file_folder=D:\\last wins\r\n");
  EXPECT_EQ(s.file_folder, "D:\\last wins");
  EXPECT_EQ(s.autocad_type, '1');
  EXPECT_EQ(CurrentSetIndex(s), 1);
  EXPECT_TRUE(IsOn(s.file_set.ps));
  EXPECT_EQ(s.file_set.fp_ps[3].paper, "A3 横");
  EXPECT_FALSE(IsOn(s.print_paper_ab));
  EXPECT_EQ(s.file_set.ds, '\0');
  EXPECT_EQ(s.file_set.search_s3, "abcdefg");
  ParseEnvironmentSettings(s, "file_folder= D:\\図面\\\r\n");
  EXPECT_EQ(s.file_folder, " D:\\図面\\");
}

TEST(EnvironmentFile, ReadingStopsAtTheFirstEmptyLine) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "C:\\x");
  ParseEnvironmentSettings(s, "file_folder=A\r\nautocad_file=B\r\n\r\ntemp_file=C\r\n");
  EXPECT_EQ(s.file_folder, "A");
  EXPECT_EQ(s.autocad_file, "B");
  EXPECT_EQ(s.temp_file, "C:\\x\\atcprint.scr");
  ParseEnvironmentSettings(s, Nul() + "junk\r\nfile_folder=Z\r\n");  // a NUL line is empty too
  EXPECT_EQ(s.file_folder, "A");
}

TEST(EnvironmentFile, ProhibitedPrintersFillSuccessiveEntries) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "C:\\x");
  ParseEnvironmentSettings(
      s, "prohibition_print=P0\r\nprohibition_print=\r\nprohibition_print=P2\r\n");
  EXPECT_EQ(s.prohibition_print[0], "P0");
  EXPECT_TRUE(s.prohibition_print[1].empty());
  EXPECT_EQ(s.prohibition_print[2], "P2");
  EXPECT_TRUE(s.prohibition_print[3].empty());

  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "prohibition_print=Q" + std::to_string(i) + "\r\n";
  ParseEnvironmentSettings(s, twenty);
  EXPECT_EQ(s.prohibition_print[15], "Q15");
  EXPECT_EQ(s.prohibition_print[0], "Q0");  // the 17th and later lines do not wrap around

  ApplyEnvironmentDefaults(s, "C:\\x");
  ParseEnvironmentSettings(s, "file_folder=A\r\n");
  EXPECT_EQ(s.prohibition_print[0], "Foxit");  // no such line: the default stays
}

TEST(EnvironmentFile, CarriageReturnsAndLongLines) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "C:\\x");
  // Every CR is dropped; a line over 511 bytes goes on as a line of its own.
  std::string long_line = "file_folder=" + std::string(499, 'f');  // 511 bytes
  ParseEnvironmentSettings(s, "autocad_file=a\rb\r\n" + long_line + "autocad_type=5\r\n");
  EXPECT_EQ(s.autocad_file, "ab");
  EXPECT_EQ(s.file_folder.size(), 259u);
  EXPECT_EQ(s.autocad_type, '5');
}

TEST(EnvironmentFile, RoundTripKeepsEveryByte) {
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, "C:\\表");
  s.file_folder = "C:\\図面\\表";
  s.autocad_type = 'C';
  s.file_set.ss = '1';
  s.file_set.fp_ps[0].search = "A1";
  s.file_set.fp_ps[0].printer = "\\\\server\\プリンタ";
  s.file_set.fp_ps[0].paper = "A1 (841 x 594 mm)";
  s.file_set.search_d1 = "縦";
  s.prohibition_print[15] = "PDF";
  const std::string bytes = SerializeEnvironmentSettings(s);
  EnvironmentSettings read;
  ParseEnvironmentSettings(read, bytes);
  EXPECT_EQ(Visible(SerializeEnvironmentSettings(read)), Visible(bytes));
  EXPECT_EQ(read.file_set.ps, '\0');
  EXPECT_EQ(CurrentSetIndex(read), 19);
}

TEST(EnvironmentFile, TypesOutsideTheTableNameSetZero) {
  EnvironmentSettings s;
  for (char c : {'/', 'D', 'z', '\0', static_cast<char>(0xFF)}) {
    s.autocad_type = c;
    EXPECT_EQ(CurrentSetIndex(s), 0) << int(c);
  }
  s.autocad_type = ':';
  EXPECT_EQ(CurrentSetIndex(s), 10);
}

TEST(EnvironmentFile, LoadAndSaveInTheStartupFolder) {
  TempFolder folder;
  EnvironmentSettings s;
  EXPECT_EQ(LoadEnvironmentSettings(s, folder.path()), 1);
  EXPECT_EQ(s.temp_file, folder.path() + "\\atcprint.scr");

  RecordingPrompter prompter;
  SaveEnvironmentSettings(s, folder.path(), prompter);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(Visible(folder.Read("plot_set.ini")), Visible(DefaultFile(folder.path())));

  folder.Write("plot_set.ini", "autocad_type=3\r\n");
  EXPECT_EQ(LoadEnvironmentSettings(s, folder.path()), 0);
  EXPECT_EQ(CurrentSetIndex(s), 3);
}

TEST(EnvironmentFile, AFailedSaveKeepsTheOldFile) {
  TempFolder folder;
  folder.MakeFolder("plot_set.ini");
  RecordingPrompter prompter;
  EnvironmentSettings s;
  ApplyEnvironmentDefaults(s, folder.path());
  SaveEnvironmentSettings(s, folder.path(), prompter);
  EXPECT_EQ(prompter.shown, (Boxes{Box(0, "保存出来ません", "ﾌｧｲﾙｴﾗｰ", Icon::kWarning)}));
}

}  // namespace
}  // namespace drawlot
