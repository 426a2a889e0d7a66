#include "core/script/autocad_run.h"

namespace drawlot {

std::optional<std::string> AutoCadCommandLine(std::string_view script_path) {
  if (script_path.size() > kMaxScriptPathBytes) return std::nullopt;
  std::string line = " /b \"";
  line.append(script_path);
  line.push_back('"');
  return line;
}

// A path that does not fit is refused whole: cut short, it would name another file.
bool CheckScriptPathFits(WindowRef owner, const EnvironmentSettings& settings, Prompter& prompter) {
  if (settings.temp_file.view().size() <= kMaxScriptPathBytes) return true;
  prompter.Tell(owner, kScriptPathTooLongText, kCannotStartTitle, Icon::kWarning);
  return false;
}

}  // namespace drawlot
