#include "win/platform/common_file_dialog.h"

#include "win/platform/shell_library.h"
#include "win/platform/system_library.h"

namespace drawlot {
namespace {

constexpr char kCommonDialogs[] = "comdlg32.dll";

}  // namespace

std::string CommonDialogFilter(const std::vector<FileFilter>& filters) {
  std::string text;
  for (const FileFilter& filter : filters) {
    text += filter.description;
    text += '\0';
    text += filter.pattern;
    text += '\0';
  }
  text += '\0';
  return text;
}

OPENFILENAMEA CommonDialogSetup(WindowRef owner, const std::string& filter,
                                const std::string& title, char* name, DWORD name_size,
                                DWORD flags) {
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = name_size;
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER | flags;
  return dialog;
}

BOOL ShowOpenDialog(OPENFILENAMEA& dialog) {
  static const auto open =
      SystemFunction<decltype(&GetOpenFileNameA)>(kCommonDialogs, "GetOpenFileNameA");
  if (!open) return FALSE;
  EnterShellApartment();  // the dialog's folder view is the shell's, COM underneath
  return open(&dialog);
}

BOOL ShowSaveDialog(OPENFILENAMEA& dialog) {
  static const auto save =
      SystemFunction<decltype(&GetSaveFileNameA)>(kCommonDialogs, "GetSaveFileNameA");
  if (!save) return FALSE;
  EnterShellApartment();
  return save(&dialog);
}

DWORD CommonDialogError() {
  static const auto error =
      SystemFunction<decltype(&CommDlgExtendedError)>(kCommonDialogs, "CommDlgExtendedError");
  return error ? error() : 0;
}

}  // namespace drawlot
