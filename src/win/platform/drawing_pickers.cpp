#include "win/platform/drawing_pickers.h"

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>

#include <cstring>

#include "win/platform/common_file_dialog.h"
#include "win/platform/shell_library.h"

namespace drawlot {
namespace {

// The filled part of the result buffer: up to the first pair of NULs (one path, or a folder
// and names each ended by a NUL).
std::string FilledResult(const std::vector<char>& buffer) {
  std::size_t end = 0;
  while (end + 1 < buffer.size() && !(buffer[end] == '\0' && buffer[end + 1] == '\0')) ++end;
  return std::string(buffer.data(), end + 1);
}

// Chooses the last folder as soon as the browser has opened.
int CALLBACK PreselectFolder(HWND browser, UINT message, LPARAM, LPARAM folder) {
  if (message == BFFM_INITIALIZED && folder != 0) {
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, folder);
  }
  return 0;
}

}  // namespace

std::optional<PickedFiles> DrawingPickers::OpenFiles(const OpenFilesRequest& request) {
  if (request.buffer_size < 2) return std::nullopt;
  const std::string filter = CommonDialogFilter(request.filters);
  std::vector<char> buffer(request.buffer_size + 1, '\0');  // one NUL more than the dialog sees
  // A preset name that does not fit is left out rather than cut into another one.
  if (request.initial_name.size() < request.buffer_size) {
    std::memcpy(buffer.data(), request.initial_name.data(), request.initial_name.size());
  }
  OPENFILENAMEA dialog = CommonDialogSetup(request.owner, filter, request.title, buffer.data(),
                                           static_cast<DWORD>(request.buffer_size),
                                           OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY);
  if (!ShowOpenDialog(dialog)) {
    const DWORD error = CommonDialogError();  // 0: cancelled
    if (error == 0) return std::nullopt;
    return PickedFiles{{}, 0, static_cast<unsigned>(error)};
  }
  std::string result = FilledResult(buffer);
  // The names end in two NULs inside the buffer. Some dialogs (Wine's) fill a buffer that is
  // too small to its end and cut the last name instead of failing: the same error.
  if (result.size() >= request.buffer_size) return PickedFiles{{}, 0, FNERR_BUFFERTOOSMALL};
  return PickedFiles{std::move(result), dialog.nFileOffset, 0};
}

std::string DrawingPickers::ChooseFolder(std::string_view title, std::string_view preselected) {
  const std::string title_text(title);
  const std::string preselected_text(preselected);
  char display_name[MAX_PATH] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = nullptr;
  browse.pszDisplayName = display_name;
  browse.lpszTitle = title_text.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = PreselectFolder;
  browse.lParam = reinterpret_cast<LPARAM>(preselected_text.c_str());
  return BrowseForFolderPath(browse);
}

}  // namespace drawlot
