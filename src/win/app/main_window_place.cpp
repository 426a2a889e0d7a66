#include "win/app/main_window_place.h"

#include "core/workspace/window_place.h"

namespace drawlot {

namespace {

// GetWindowPlacement gives workspace coordinates (the work area's corner is 0, 0): moved by the
// monitor's taskbar on the top or left side to screen coordinates, which MoveWindow takes.
POINT WorkspaceOffset(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return {};
  return POINT{monitor.rcWork.left - monitor.rcMonitor.left,
               monitor.rcWork.top - monitor.rcMonitor.top};
}

bool ShowsNormally(int show_command) {
  return show_command == SW_SHOWNORMAL || show_command == SW_SHOWDEFAULT || show_command == SW_SHOW;
}

}  // namespace

int RestoreMainWindowPlace(const Application& app, int show_command) {
  const std::optional<WindowPlace>& place = app.program_settings.main_window;
  if (!place) return show_command;
  const RECT rect{place->left, place->top, place->left + place->width, place->top + place->height};
  if (!MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) return show_command;
  MoveWindow(app.main_window, rect.left, rect.top, place->width, place->height, FALSE);
  return place->maximized && ShowsNormally(show_command) ? SW_SHOWMAXIMIZED : show_command;
}

void RememberMainWindowPlace(Application& app) {
  if (!app.startup_reads.finished || !app.main_window) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(app.main_window, &placement)) return;
  const RECT& normal = placement.rcNormalPosition;
  const POINT offset = WorkspaceOffset(app.main_window);
  const bool maximized =
      placement.showCmd == SW_SHOWMAXIMIZED ||
      (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED) != 0);
  const WindowPlace place{normal.left + offset.x, normal.top + offset.y, normal.right - normal.left,
                          normal.bottom - normal.top, maximized};
  app.program_settings.main_window = place;
}

}  // namespace drawlot
