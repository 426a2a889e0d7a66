// The in-place cell editor as a part of the main window: text box 951 or drop-down 952 over a
// cell of the drawing list, opened by a right click, committed by leaving the text box or by a
// choice in the drop-down (timer 1 of the main window, 200 ms later), cancelled by a left click.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// A right click on `column` of the list: ends an editor still open, then opens one over the
// cell of the first selected row when the column's item is editable.
void OpenCellEditorCommand(Application& app, int column);

// Commands from the editor controls: 951 losing the focus commits it; a selection in 952
// starts timer 1.
void CellEditorCommand(Application& app, int control_id, int notification_code);

// Timer 1 of the main window: the drop-down's text goes into the cell.
void CellEditorTimerTick(Application& app);

// A left click on the list: an open drop-down gives up (its cell gets its text back), unless an
// entry was just picked, which is then committed.
void CancelCellEditorOnClick(Application& app);

// Ends any open editor before something else touches the list (a command, a header click, the
// window's end): typed text and picked entries are kept, the cell is never left empty.
void CloseCellEditor(Application& app);

// The deferred destruction of an editor control that ended inside its own notification.
inline constexpr UINT kDestroyCellEditorMessage = WM_APP + 14;

}  // namespace drawlot
