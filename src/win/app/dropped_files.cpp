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

namespace drawlot {

namespace {

std::vector<std::string> DroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::string path(DragQueryFileA(drop, index, nullptr, 0), '\0');
    DragQueryFileA(drop, index, path.data(), static_cast<UINT>(path.size() + 1));
    paths.push_back(std::move(path));
  }
  return paths;
}

}  // namespace

void DropFilesCommand(Application& app, HDROP drop) {
  const std::vector<std::string> paths = DroppedPaths(drop);
  DragFinish(drop);
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
