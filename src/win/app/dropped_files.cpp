#include "win/app/dropped_files.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "core/list/dropped_drawings.h"
#include "win/app/cell_editor.h"
#include "win/app/list_commands.h"
#include "win/app/main_window.h"
#include "win/app/undo_commands.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/shell_library.h"

namespace drawlot {

void DropFilesCommand(Application& app, HDROP drop) {
  const std::vector<std::string> paths = TakeDroppedPaths(drop);
  if (!app.rows) return;
  CloseCellEditor(app);
  AddingContext context = MainListContext(app);
  int left_out = 0;
  RunAsUndoStep(app, UndoStep::kRows, [&] {
    const ListRedrawPause pause(app.drawing_list);
    left_out = AddDroppedPaths(context, paths);
  });
  app.drop_report = LeftOutText(left_out);
  RefreshStatusBar(app);  // the last folder and the report are shown there
}

}  // namespace drawlot
