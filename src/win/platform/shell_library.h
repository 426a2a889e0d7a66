// The shell (shell32.dll) and COM (ole32.dll), loaded the first time a command needs them.
// Imported, the two and what they import (shlwapi, shcore, combase, rpcrt4) are mapped and
// started before the window can show; yet only drops, the folder browser, the shell's "open"
// and the preview's PNG pictures use them. A library or function that is not there makes the
// call fail the way the call itself fails.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace drawlot {

// COM in the calling thread for as long as the object lives.
class ComApartment {
 public:
  explicit ComApartment(DWORD model);
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool entered_;
};

HRESULT CreateComObject(REFCLSID object, REFIID kind, void** out);

// The folder browser, the open and save dialogs and the shell's "open" are COM underneath and
// want the thread in a single-threaded apartment. The window's thread enters it at the first of
// them and leaves it at the program's end.
void EnterShellApartment();
void LeaveShellApartment();

// ShellExecuteA's "open" of `target`, shown normally; its result (above 32: opened).
INT_PTR ShellOpen(HWND owner, const std::string& target);

// SHBrowseForFolderA, and the chosen folder's path ("" when none was chosen or it has none).
std::string BrowseForFolderPath(BROWSEINFOA& browse);

// The window takes dropped files from now on: what DragAcceptFiles does, without the shell.
void AcceptDroppedFiles(HWND window);

// The paths of a drop, which is then finished.
std::vector<std::string> TakeDroppedPaths(HDROP drop);

}  // namespace drawlot
