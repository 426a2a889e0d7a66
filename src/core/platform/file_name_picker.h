// The system's save and open dialogs for one file name (scripts and list files) behind one
// small interface, so that the operations that ask for a name can be tested with a scripted
// answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/file_filter.h"
#include "core/platform/prompter.h"

namespace drawlot {

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRequest {
  WindowRef owner = 0;
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;
  std::vector<FileFilter> filters;  // the first entry is preselected
  std::string initial_name;         // what the name field holds when the dialog opens
  bool hide_read_only = false;      // no "read-only" check box in an open dialog
};

class FileNamePicker {
 public:
  virtual ~FileNamePicker() = default;
  // The full path of the one file chosen, or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> PickFileName(const FileDialogRequest& request) = 0;
};

}  // namespace drawlot
