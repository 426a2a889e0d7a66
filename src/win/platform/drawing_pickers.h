// The system's explorer-style open dialog for several drawing files and its folder browser,
// behind the core's FilePicker and FolderBrowser.
#pragma once

#include "core/platform/pickers.h"

namespace drawlot {

class DrawingPickers : public FilePicker, public FolderBrowser {
 public:
  std::optional<PickedFiles> OpenFiles(const OpenFilesRequest& request) override;
  std::string ChooseFolder(std::string_view title, std::string_view preselected) override;
};

}  // namespace drawlot
