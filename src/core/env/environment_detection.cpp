#include "core/env/environment_detection.h"

#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr char kSearchTitle[] = "ファイル検索";
constexpr char kDetectionTitle[] = "環境設定の自動設定";

std::string InFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!EndsWithBackslash(path)) path += '\\';
  return path + std::string(name);
}

// The path found, or the warning and the fallback.
std::string FoundOr(std::optional<std::string> found, const char* warning, std::string fallback,
                    Prompter& prompter, WindowRef owner) {
  if (found) return *found;
  prompter.Tell(owner, warning, kSearchTitle, Icon::kWarning);
  return fallback;
}

DetectedPaths SearchFixedDrives(const FileSystem& files, std::string_view startup_folder,
                                Prompter& prompter, WindowRef owner) {
  DetectedPaths paths;
  // AutoCAD LT is preferred wherever full AutoCAD is.
  std::optional<std::string> autocad = FindOnFixedDrives(files, "aclt.exe");
  if (!autocad) autocad = FindOnFixedDrives(files, "acad.exe");
  paths.autocad_file = FoundOr(autocad, "AutoCADが固定ドライブ上にありませんでした。",
                               "c:\\Program Files\\ACAD\\aclt.exe", prompter, owner);
  paths.temp_file = FoundOr(FindOnFixedDrives(files, "atcprint.scr"),
                            "atcprint.scrが固定ドライブ上にありませんでした。",
                            InFolder(startup_folder, "atcprint.scr"), prompter, owner);
  paths.end_file_dwg = FoundOr(FindOnFixedDrives(files, "endfile.dwg"),
                               "endfile.dwgが固定ドライブ上にありませんでした。",
                               InFolder(startup_folder, "endfile.dwg"), prompter, owner);
  return paths;
}

}  // namespace

std::optional<DetectedPaths> DetectEnvironment(const FileSystem& files,
                                               std::string_view startup_folder, Prompter& prompter,
                                               WindowRef owner,
                                               const std::function<void(bool)>& show_waiting) {
  const Answer answer = prompter.Show(Message{owner, "自動で設定してもいいですか？",
                                              kDetectionTitle, Buttons::kYesNo, Icon::kNone});
  if (answer != Answer::kYes) return std::nullopt;
  show_waiting(true);
  DetectedPaths paths = SearchFixedDrives(files, startup_folder, prompter, owner);
  show_waiting(false);
  prompter.Tell(owner, "内容を確認して下さい", kDetectionTitle, Icon::kNone);
  return paths;
}

}  // namespace drawlot
