#include "win/platform/common_file_name_picker.h"

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <cstring>

#include "win/platform/common_file_dialog.h"

namespace drawlot {
namespace {

constexpr std::size_t kNameBufferBytes = 260;

std::string CurrentFolder() {
  std::array<char, MAX_PATH + 1> buffer{};
  const DWORD length = GetCurrentDirectoryA(buffer.size(), buffer.data());
  return length < buffer.size() ? std::string(buffer.data(), length) : std::string();
}

}  // namespace

std::optional<std::string> CommonFileNamePicker::PickFileName(const FileDialogRequest& request) {
  const std::string filter = CommonDialogFilter(request.filters);
  std::array<char, kNameBufferBytes> name{};
  // A preset name that does not fit the buffer is left out rather than cut into another one.
  if (request.initial_name.size() < name.size()) {
    std::memcpy(name.data(), request.initial_name.data(), request.initial_name.size());
  }
  OPENFILENAMEA dialog =
      CommonDialogSetup(request.owner, filter, request.title, name.data(), name.size(),
                        request.hide_read_only ? OFN_HIDEREADONLY : 0);

  const std::string folder = CurrentFolder();
  const BOOL chosen =
      request.kind == FileDialogKind::kSave ? ShowSaveDialog(dialog) : ShowOpenDialog(dialog);
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  if (!chosen) return std::nullopt;
  return std::string(name.data());
}

}  // namespace drawlot
