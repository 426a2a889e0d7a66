// The preview pane to the right of the drawing list: the focused row's picture (child 310) over
// a line with its format, size and date (child 311), and the bar between list and pane that a
// drag moves. Files are read on the pane's worker; the window's thread only draws.
#pragma once

#include <windows.h>

namespace drawlot {

struct Application;
struct PaneRect;

// Posted by the worker when the newest request has its result.
inline constexpr UINT kPreviewReadyMessage = WM_APP + 33;
// Posted once for any number of changes of the list, so that loading a thousand rows looks at
// the focused row once.
inline constexpr UINT kPreviewFocusMessage = WM_APP + 34;

// The picture and the text line, shown when drawlot.ini says so, and the menu item's mark.
void CreatePreviewPane(Application& app);
// Places the list, the bar and the pane in `area`, the part of the client area between the
// toolbar and the status bar.
void PlaceListAndPreview(Application& app, const PaneRect& area);
// "プレビュー": shows or hides the pane.
void TogglePreviewCommand(Application& app);
// A change of the list: the focused row is looked at when the posted message comes.
void ListChangedForPreview(Application& app);
void PreviewFocusedRow(Application& app);
void TakePreviewResult(Application& app);
void DrawPreviewPicture(const Application& app, const DRAWITEMSTRUCT& item);
// The mouse over the bar: its cursor and its drag. True when the message was the bar's.
bool PreviewSplitterMessage(Application& app, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace drawlot
