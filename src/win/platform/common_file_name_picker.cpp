#include "win/platform/common_file_name_picker.h"

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <cstring>

namespace drawlot {
namespace {

constexpr std::size_t kNameBufferBytes = 260;

// "description\0pattern\0" for every type, and one more NUL at the end.
std::string FilterText(const std::vector<FileFilter>& filters) {
  std::string text;
  for (const FileFilter& filter : filters) {
    text.append(filter.description);
    text.push_back('\0');
    text.append(filter.pattern);
    text.push_back('\0');
  }
  text.push_back('\0');
  return text;
}

std::string CurrentFolder() {
  std::array<char, MAX_PATH + 1> buffer{};
  const DWORD length = GetCurrentDirectoryA(buffer.size(), buffer.data());
  return length < buffer.size() ? std::string(buffer.data(), length) : std::string();
}

}  // namespace

std::optional<std::string> CommonFileNamePicker::PickFileName(const FileDialogRequest& request) {
  const std::string filter = FilterText(request.filters);
  std::array<char, kNameBufferBytes> name{};
  // A preset name that does not fit the buffer is left out rather than cut into another one.
  if (request.initial_name.size() < name.size()) {
    std::memcpy(name.data(), request.initial_name.data(), request.initial_name.size());
  }
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = name.size();
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = OFN_EXPLORER;

  const std::string folder = CurrentFolder();
  const BOOL chosen =
      request.kind == FileDialogKind::kSave ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());
  if (!chosen) return std::nullopt;
  return std::string(name.data());
}

}  // namespace drawlot
