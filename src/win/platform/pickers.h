// Every picker of the program in one place: the system's open dialog for several drawings, its
// folder browser, and the save and open dialogs for one file name. Commands and dialogs reach
// them through here, so a test points any of them at a stand-in with one assignment.
#pragma once

#include "core/platform/file_name_picker.h"
#include "core/platform/pickers.h"
#include "win/platform/common_file_name_picker.h"
#include "win/platform/drawing_pickers.h"

namespace drawlot {

struct Pickers {
  DrawingPickers system_drawings;
  CommonFileNamePicker system_file_name;

  FilePicker* files = &system_drawings;
  FolderBrowser* folders = &system_drawings;
  FileNamePicker* file_name = &system_file_name;

  Pickers() = default;
  Pickers(const Pickers&) = delete;
  Pickers& operator=(const Pickers&) = delete;
};

}  // namespace drawlot
