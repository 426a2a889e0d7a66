// Where the drawing list's additions come from: the disks, the open dialog and the folder
// browser, with the search text and history and the folder-selection dialog's file kind, which
// all live while the program runs. Tests point the three sources at their own stand-ins.
#pragma once

#include "core/list/folder_selection.h"
#include "core/list/list_search.h"
#include "core/platform/file_system.h"
#include "core/platform/pickers.h"
#include "win/platform/drawing_pickers.h"
#include "win/platform/win32_file_system.h"

namespace drawlot {

struct DrawingSources {
  Win32FileSystem system_files;
  DrawingPickers system_pickers;

  const FileSystem* files = &system_files;
  FilePicker* file_picker = &system_pickers;
  FolderBrowser* folder_browser = &system_pickers;

  SearchState search;
  FolderLoadKind folder_kind = FolderLoadKind::kDwg;

  DrawingSources() = default;
  DrawingSources(const DrawingSources&) = delete;
  DrawingSources& operator=(const DrawingSources&) = delete;
};

}  // namespace drawlot
