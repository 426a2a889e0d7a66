// What a dialog under test reaches: the suite's resources, a recording prompter, the pickers
// (point them at stand-ins) and a recorder of the pages opened.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/recording_prompter.h"
#include "win/platform/dialog.h"

namespace drawlot::testing {

struct TestDialogContext {
  DialogContext context(HWND owner = nullptr) {
    return DialogContext{GetModuleHandleA(nullptr), owner, nullptr, pickers, prompter, open_page};
  }

  RecordingPrompter prompter;
  Pickers pickers;
  std::vector<std::string> opened_pages;
  PageOpener open_page = [this](const std::string& address) { opened_pages.push_back(address); };
};

}  // namespace drawlot::testing
