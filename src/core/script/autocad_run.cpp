#include "core/script/autocad_run.h"

#include "core/text/cp932.h"

namespace drawlot {

std::optional<std::string> AutoCadCommandLine(std::string_view script_path) {
  if (script_path.size() > kMaxScriptPathBytes) return std::nullopt;
  std::string line = " /b \"";
  line.append(script_path);
  line.push_back('"');
  return line;
}

std::string StartScriptPath(std::string_view temp_file, int slot) {
  if (slot <= 0) return std::string(temp_file);
  const std::size_t separator = FindLastBackslash(temp_file);
  const std::size_t name = separator == std::string_view::npos ? 0 : separator + 1;
  std::size_t dot = temp_file.rfind('.');
  if (dot == std::string_view::npos || dot < name) dot = temp_file.size();
  return std::string(temp_file.substr(0, dot)) + "_" + std::to_string(slot + 1) +
         std::string(temp_file.substr(dot));
}

// A path that does not fit is refused whole: cut short, it would name another file.
bool CheckScriptPathFits(WindowRef owner, const EnvironmentSettings& settings, Prompter& prompter) {
  if (settings.temp_file.view().size() <= kMaxScriptPathBytes) return true;
  prompter.Tell(owner, kScriptPathTooLongText, kCannotStartTitle, Icon::kWarning);
  return false;
}

}  // namespace drawlot
