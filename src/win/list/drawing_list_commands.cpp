#include "win/list/drawing_list_commands.h"

#include "core/list/disk_search.h"
#include "core/list/list_search.h"
#include "win/app/main_window.h"
#include "win/list/folder_selection_dialog.h"
#include "win/list/list_redraw_pause.h"
#include "win/list/search_dialog.h"
#include "win/list/searching_window.h"

namespace drawlot {

AddingContext MainListContext(Application& app, DrawingSources& sources) {
  return AddingContext{*app.rows,      app.current_items(), app.tags,   app.settings,
                       *sources.files, app.prompter,        app.owner()};
}

void AddFolderDrawingsCommand(Application& app, DrawingSources& sources, DrawingKind kind) {
  AddingContext context = MainListContext(app, sources);
  {
    // One repaint at the end instead of one per row: 5,000 rows take 0.1 s instead of 6 s.
    ListRedrawPause pause(app.drawing_list);
    AddFolderDrawings(context, *app.pickers.folders, kind);
  }
  RefreshStatusBar(app);  // the last folder is shown there
}

void AddFolderTreeDrawingsCommand(Application& app, DrawingSources& sources, DrawingKind kind) {
  AddingContext context = MainListContext(app, sources);
  {
    ListRedrawPause pause(app.drawing_list);
    AddFolderTreeDrawings(context, *app.pickers.folders, kind);
  }
  RefreshStatusBar(app);
}

void AddDrawingFilesCommand(Application& app, DrawingSources& sources, DrawingKind kind) {
  AddingContext context = MainListContext(app, sources);
  {
    ListRedrawPause pause(app.drawing_list);
    AddDrawingFiles(context, *app.pickers.files, kind);
  }
  RefreshStatusBar(app);
}

void ChooseFoldersCommand(Application& app, DrawingSources& sources) {
  const int first_new_row = app.rows->RowCount();
  const FolderSelectionRecords records{.adding = MainListContext(app, sources),
                                       .drawing_list = app.drawing_list,
                                       .kind = sources.folder_kind};
  RunFolderSelectionDialog(app.dialog_context(), records);
  AddingContext context = MainListContext(app, sources);
  ApplyRulesOnAdding(context, first_new_row);
  RefreshStatusBar(app);
}

void SearchInListCommand(Application& app, DrawingSources& sources) {
  // Closed without the button, the dialog leaves the previous text, and that is searched.
  RunSearchDialog(app.dialog_context(), sources.search);
  SearchInList(*app.rows, sources.search.text.view());
}

void SearchOnDisks(Application& app, DrawingSources& sources) {
  sources.search.text.Clear();
  RunSearchDialog(app.dialog_context(), sources.search);
  if (sources.search.text.empty()) return;
  const HWND searching = ShowSearchingWindow(app.instance, app.main_window);
  AddingContext context = MainListContext(app, sources);
  FindAndAddOnDisks(context, sources.search.text.view());
  CloseSearchingWindow(searching);
}

}  // namespace drawlot
