// The real FileNamePicker: the system's explorer-style save and open dialogs.
#pragma once

#include "core/platform/file_name_picker.h"

namespace drawlot {

class CommonFileNamePicker : public FileNamePicker {
 public:
  // A 260-byte name buffer, the first type preselected, no overwrite prompt. The dialogs move
  // the current directory as the user browses; it is put back afterwards, so that nothing
  // else of the program depends on where the user last looked.
  std::optional<std::string> PickFileName(const FileDialogRequest& request) override;
};

}  // namespace drawlot
