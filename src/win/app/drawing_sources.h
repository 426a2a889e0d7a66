// Where the drawing list's additions come from: the disks, with the search text and history and
// the folder-selection dialog's file kind, which all live while the program runs. Tests point
// the disks at their own stand-in; the pickers are the application's.
#pragma once

#include "core/list/folder_selection.h"
#include "core/list/list_search.h"
#include "core/platform/file_system.h"
#include "win/platform/win32_file_system.h"

namespace drawlot {

struct DrawingSources {
  Win32FileSystem system_files;

  const FileSystem* files = &system_files;

  SearchState search;
  FolderLoadKind folder_kind = FolderLoadKind::kDwg;

  DrawingSources() = default;
  DrawingSources(const DrawingSources&) = delete;
  DrawingSources& operator=(const DrawingSources&) = delete;
};

}  // namespace drawlot
