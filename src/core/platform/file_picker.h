// The system's file dialogs behind one small interface, so that every operation that asks the
// user for a file name can be tested with a scripted answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/platform/prompter.h"

namespace drawlot {

enum class FileDialogKind { kOpen, kSave };

// One entry of a dialog's type list: the text shown and its wildcard pattern.
struct FileFilter {
  std::string label;    // "ScrFile(*.scr)"
  std::string pattern;  // "*.scr"
};

struct FileDialogRequest {
  WindowRef owner = 0;
  FileDialogKind kind = FileDialogKind::kOpen;
  std::string title;
  std::vector<FileFilter> filters;  // the first entry is preselected
  std::string initial_name;         // what the name field holds when the dialog opens
};

class FilePicker {
 public:
  virtual ~FilePicker() = default;
  // The full path of the one file chosen, or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> PickFile(const FileDialogRequest& request) = 0;
};

}  // namespace drawlot
