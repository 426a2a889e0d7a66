#include "win/app/cell_editor.h"

#include <string>

#include "core/edit/cell_editor.h"
#include "core/edit/plot_styles.h"
#include "resources/resource_ids.h"
#include "win/app/undo_commands.h"
#include "win/platform/editor_controls.h"

namespace drawlot {
namespace {

constexpr UINT kCommitDelayMs = 200;
constexpr int kCellTextBuffer = 128;

HWND CreateEditor(const Application& app, const CellEditorPlacement& placement, bool text_box) {
  return CreateEditorControl(
      app.main_window, app.instance, app.editor_font,
      EditorControl{text_box, text_box ? IDC_CELL_EDIT_BOX : IDC_CELL_SELECT_BOX, placement.x,
                    placement.y, placement.width, placement.height, &placement.choices,
                    placement.text});
}

HWND CreateTextBox(const Application& app, const CellEditorPlacement& placement) {
  const HWND box = CreateEditor(app, placement, true);
  if (box) SetFocus(box);
  return box;
}

HWND CreateDropDown(const Application& app, const CellEditorPlacement& placement) {
  const HWND box = CreateEditor(app, placement, false);
  if (!box) return nullptr;
  // The list goes below the box, which stays above it while the list repaints.
  SetWindowPos(app.drawing_list, HWND_BOTTOM, 0, kDrawingListTop, 0, 0, SWP_NOSIZE);
  SetWindowPos(box, HWND_TOPMOST, placement.x, placement.y, 0, 0, SWP_NOSIZE);
  SetFocus(box);
  return box;
}

// Takes the editor control away from the window at once; the control itself is destroyed
// from the main window's queue, since it may be inside one of its own notifications.
void RetireEditorWindow(Application& app) {
  const HWND box = app.cell_editor_window;
  if (!box) return;
  app.cell_editor_window = nullptr;
  ShowWindow(box, SW_HIDE);
  PostMessageA(app.main_window, kDestroyCellEditorMessage, reinterpret_cast<WPARAM>(box), 0);
}

std::string EditorText(const Application& app) {
  return app.cell_editor_window ? ControlText(app.cell_editor_window, kCellTextBuffer) : "";
}

}  // namespace

void OpenCellEditorCommand(Application& app, int column) {
  CloseCellEditor(app);
  if (app.rows->SelectedCount() == 0) return;
  WaitForStartupPrinters(app);
  const auto placement = app.cell_editor.Open(
      *app.rows, app.current_items(), column, app.printers,
      [&] { return ListPlotStyles(*app.drawing_sources.files, app.settings.autocad_file.view()); });
  if (!placement) return;
  app.cell_editor_window = placement->kind == CellEditorState::kTextBox
                               ? CreateTextBox(app, *placement)
                               : CreateDropDown(app, *placement);
  // Without its control the editor cannot be ended by the user: give the cell back now.
  if (!app.cell_editor_window) {
    app.cell_editor.Close(*app.rows, placement->text, app.printers);
    FinishCellEditorUndoStep(app);
  }
}

void CellEditorCommand(Application& app, int control_id, int notification_code) {
  // A control that is already retired (hidden, its destruction queued) has nothing to say.
  if (!app.cell_editor_window || GetDlgCtrlID(app.cell_editor_window) != control_id) return;
  if (control_id == IDC_CELL_EDIT_BOX && notification_code == EN_KILLFOCUS) {
    app.cell_editor.CommitText(*app.rows, EditorText(app));
    FinishCellEditorUndoStep(app);
    RetireEditorWindow(app);
  } else if (control_id == IDC_CELL_SELECT_BOX && notification_code == CBN_SELCHANGE) {
    app.cell_editor.ChooseEntry();
    SetTimer(app.main_window, TIMER_CELL_COMMIT, kCommitDelayMs, nullptr);
  }
}

void CellEditorTimerTick(Application& app) {
  KillTimer(app.main_window, TIMER_CELL_COMMIT);
  if (app.cell_editor.state() != CellEditorState::kDropDown) return;
  app.cell_editor.CommitChoice(*app.rows, EditorText(app), app.printers);
  FinishCellEditorUndoStep(app);
  RetireEditorWindow(app);
}

void CancelCellEditorOnClick(Application& app) {
  if (app.cell_editor.state() == CellEditorState::kDropDown) CloseCellEditor(app);
}

void CloseCellEditor(Application& app) {
  if (app.cell_editor.state() == CellEditorState::kNone) return;
  KillTimer(app.main_window, TIMER_CELL_COMMIT);
  app.cell_editor.Close(*app.rows, EditorText(app), app.printers);
  FinishCellEditorUndoStep(app);
  RetireEditorWindow(app);
}

}  // namespace drawlot
