// The main window's commands that add drawings to the list or search it: files, folders,
// folder trees, the folder-selection dialog, the list search and the disk search.
#pragma once

#include "core/list/add_drawings.h"
#include "win/app/application.h"
#include "win/list/drawing_sources.h"

namespace drawlot {

// The adding context of the main window's list, with the disks of `sources`.
AddingContext MainListContext(Application& app, DrawingSources& sources);

void AddFolderDrawingsCommand(Application& app, DrawingSources& sources, DrawingKind kind);
void AddFolderTreeDrawingsCommand(Application& app, DrawingSources& sources, DrawingKind kind);
void AddDrawingFilesCommand(Application& app, DrawingSources& sources, DrawingKind kind);
// The folder-selection dialog; afterwards the file-name rules on the rows it added.
void ChooseFoldersCommand(Application& app, DrawingSources& sources);
// The search dialog, then every row whose file name holds the text is marked.
void SearchInListCommand(Application& app, DrawingSources& sources);
// The search dialog, then the fixed disks are searched for the file behind the searching window.
void SearchOnDisks(Application& app, DrawingSources& sources);

}  // namespace drawlot
