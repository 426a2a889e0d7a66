#include "core/platform/settings_file.h"

#include <string>

#include "core/text/file_io.h"

namespace drawlot {

bool SaveSettingsFile(std::string_view folder, std::string_view name, std::string_view bytes,
                      Prompter& prompter) {
  if (SaveFileReplacing(JoinPath(folder, name), bytes)) return true;
  prompter.Tell(0, kCannotSaveText, kCannotSaveTitle, Icon::kWarning);
  return false;
}

}  // namespace drawlot
