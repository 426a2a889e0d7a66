#include "win/platform/help_pages.h"

#include <windows.h>

#include "core/text/cp932.h"
#include "core/text/file_io.h"
#include "win/platform/shell_library.h"

namespace drawlot {

namespace {

// The maker's web site: the help pages and the home page.
constexpr char kMakerSite[] = "https://www.harrowby.example/";

// The folder of the running program; empty when its path does not fit.
std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  const std::string_view program(path, length);
  const std::size_t backslash = FindLastBackslash(program);
  return backslash == std::string_view::npos ? std::string()
                                             : std::string(program.substr(0, backslash));
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

PageOpener ShellPageOpener(Prompter& prompter) {
  return [&prompter](const std::string& address) {
    if (ShellOpen(nullptr, address) > 32) return;
    prompter.Tell(reinterpret_cast<WindowRef>(GetActiveWindow()),
                  "ページを開けませんでした。ブラウザで次の場所を開いて下さい。\n" + address,
                  "ﾍﾙﾌﾟ", Icon::kWarning);
  };
}

std::string HelpPageLocation(std::string_view page) {
  const std::string folder = ProgramFolder();
  if (!folder.empty()) {
    const std::string beside = JoinPath(folder, page);
    if (beside.size() < MAX_PATH && IsFile(beside)) return beside;
  }
  return std::string(kMakerSite).append(page);
}

std::string HomePageAddress() {
  return kMakerSite;
}

void OpenHelpPage(const PageOpener& open, std::string_view page) {
  if (open) open(HelpPageLocation(page));
}

}  // namespace drawlot
