// The folder-selection dialog "フォルダ選択式" (dialog 9): the program's own folder browser for
// loading the drawings of several folders in one go. Its list (904) is made when it opens.
#pragma once

#include "core/list/add_drawings.h"
#include "core/list/folder_selection.h"
#include "win/platform/dialog.h"

namespace drawlot {

// The records the dialog works on while it is open: rows are appended to the drawing list at
// once, and the current folder (`adding.settings.file_folder`) and the file kind follow the
// user's moves, whichever way the dialog is closed.
struct FolderSelectionRecords {
  AddingContext adding;  // the drawing list and what a new row needs; boxes go over the dialog
  HWND drawing_list;     // does not repaint while the rows go in
  FolderLoadKind& kind;
};

// Runs the dialog modally over the context's owner.
void RunFolderSelectionDialog(const DialogContext& context, const FolderSelectionRecords& records);

}  // namespace drawlot
