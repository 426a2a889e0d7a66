// The main window's commands that add drawings to the list or search it: files, folders,
// folder trees, the folder-selection dialog, the list search and the disk search.
#pragma once

#include "core/list/add_drawings.h"
#include "win/app/application.h"

namespace drawlot {

// The adding context of the main window's list, with the application's disks.
AddingContext MainListContext(Application& app);

void AddFolderDrawingsCommand(Application& app, DrawingKind kind);
void AddFolderTreeDrawingsCommand(Application& app, DrawingKind kind);
void AddDrawingFilesCommand(Application& app, DrawingKind kind);
// The folder-selection dialog; afterwards the file-name rules on the rows it added.
void ChooseFoldersCommand(Application& app);
// The search dialog, then every row whose file name holds the text is marked.
void SearchInListCommand(Application& app);
// The search dialog, then the fixed disks are searched for the file behind the searching window.
void SearchOnDisks(Application& app);

}  // namespace drawlot
