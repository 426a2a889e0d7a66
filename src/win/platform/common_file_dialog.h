// What the system's open and save dialogs of every picker share: the type list in the form the
// dialog reads it, and the fields of its set-up.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

#include "core/platform/file_filter.h"
#include "core/platform/prompter.h"

namespace drawlot {

// "description\0pattern\0" for every filter, and one more NUL at the end.
std::string CommonDialogFilter(const std::vector<FileFilter>& filters);

// An explorer-style dialog owned by `owner` with the first filter selected, filling `name`
// (`name_size` bytes) and showing `title`, with `flags` (OFN_EXPLORER is always added).
// `filter`, `title` and `name` must outlive the dialog.
OPENFILENAMEA CommonDialogSetup(WindowRef owner, const std::string& filter,
                                const std::string& title, char* name, DWORD name_size, DWORD flags);

// GetOpenFileNameA, GetSaveFileNameA and CommDlgExtendedError of comdlg32.dll, which is loaded
// the first time a dialog opens: it imports the print spooler, which a start-up has no use for.
// Without the library the dialog fails as if cancelled, with no extended error.
BOOL ShowOpenDialog(OPENFILENAMEA& dialog);
BOOL ShowSaveDialog(OPENFILENAMEA& dialog);
DWORD CommonDialogError();

}  // namespace drawlot
