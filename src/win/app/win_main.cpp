// Drawlot's entry point. The program takes no arguments and reads no environment variables:
// everything it keeps lives in the folder it is started in.
#include <windows.h>

#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "win/app/drawlot_run.h"
#include "win/platform/help_pages.h"
#include "win/platform/message_box_prompter.h"

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
  // The folder browser and the shell's "open" are COM underneath; they want the thread set up.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  drawlot::MessageBoxPrompter prompter;
  auto app = std::make_unique<drawlot::Application>(CurrentFolder(), prompter, instance);
  app->open_web_page = drawlot::OpenWithShell;
  const int exit_code = drawlot::RunDrawlot(*app, show_command);
  app.reset();
  if (SUCCEEDED(com)) CoUninitialize();
  return exit_code;
}
