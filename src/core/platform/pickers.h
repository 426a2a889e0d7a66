// The system's file-open dialog and folder browser, behind small interfaces, so that the
// operations that ask for files or a folder can be tested with scripted answers.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/file_filter.h"
#include "core/platform/prompter.h"

namespace drawlot {

// An explorer-style open dialog in which several files may be selected.
struct OpenFilesRequest {
  WindowRef owner = 0;
  std::string title;
  std::vector<FileFilter> filters;  // the first is selected
  std::string initial_name;
  std::size_t buffer_size = 0;  // of the result, in bytes
};

// The dialog's result as it fills its buffer: for one file the full path; for several the
// folder, a NUL, and the names each followed by a NUL. `first_name_offset` is where the first
// name starts.
struct PickedFiles {
  std::string buffer;
  std::size_t first_name_offset = 0;
  unsigned error = 0;  // the dialog failed with this code: nothing was picked
};

// The open dialog's code for a selection that does not fit its buffer (FNERR_BUFFERTOOSMALL).
inline constexpr unsigned kPickerBufferTooSmall = 0x3003;

class FilePicker {
 public:
  virtual ~FilePicker() = default;
  // Nothing when the user cancels; a failed dialog gives its error code and no files.
  virtual std::optional<PickedFiles> OpenFiles(const OpenFilesRequest& request) = 0;
};

class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  // Shows the browser, owned by no window and limited to file-system folders, with `title`,
  // `preselected` chosen when it opens. The chosen folder's path; empty when cancelled.
  virtual std::string ChooseFolder(std::string_view title, std::string_view preselected) = 0;
};

}  // namespace drawlot
