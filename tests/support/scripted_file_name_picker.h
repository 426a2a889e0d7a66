// A FileNamePicker that records each dialog it was asked for and answers from a queue: a path,
// or nullopt for Cancel (Cancel too when the queue is empty).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/file_name_picker.h"

namespace drawlot::testing {

class ScriptedFileNamePicker : public FileNamePicker {
 public:
  std::optional<std::string> PickFileName(const FileDialogRequest& request) override {
    asked.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<FileDialogRequest> asked;
  std::deque<std::optional<std::string>> answers;
};

}  // namespace drawlot::testing
