// Drawlot's entry point. The program takes no arguments and reads no environment variables:
// everything it keeps lives in the folder it is started in.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "win/app/drawlot_run.h"
#include "win/platform/help_pages.h"
#include "win/platform/message_box_prompter.h"
#include "win/platform/shell_library.h"

namespace {

std::string CurrentFolder() {
  std::vector<char> buffer(MAX_PATH + 1, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    buffer.assign(length + 1, '\0');
    length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show_command) {
  drawlot::MessageBoxPrompter prompter;
  auto app = std::make_unique<drawlot::Application>(CurrentFolder(), prompter, instance);
  app->open_web_page = drawlot::ShellPageOpener(prompter);
  const int exit_code = drawlot::RunDrawlot(*app, show_command);
  app.reset();
  drawlot::LeaveShellApartment();  // entered by the first file dialog or "open", if any
  return exit_code;
}
