// The main window: its class, creation with the three child controls and the start-up reads,
// layout, painting, and the shut-down save of the list.
#pragma once

#include <windows.h>

#include <string_view>

#include "drawlot_version.h"
#include "win/app/application.h"

namespace drawlot {

inline constexpr char kMainWindowClass[] = "Main Window";
inline constexpr char kMainWindowTitle[] = "Drawlot Ver" DRAWLOT_VERSION_TEXT;
inline constexpr int kMainWindowWidth = 800;
// The status bar's last part: the last run's end and the last drop's report.
inline constexpr int kRunStatusPart = 3;
inline constexpr int kMainWindowHeight = 560;
inline constexpr COLORREF kMainWindowBackground = RGB(238, 235, 218);
inline constexpr char kStatusBarBrand[] = "Harrowby \"Loomstar\"";

struct WindowOrigin {
  int x = 0;
  int y = 0;
};

// Centred on the screen; negative on a screen smaller than the window.
WindowOrigin MainWindowOrigin(int screen_width, int screen_height);

// False when the class cannot be registered.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window for `app` (not shown). Its creation reads the settings files and the
// list in the start-up folder and builds the controls.
HWND CreateMainWindow(Application& app);

// Status bar parts 0 to 3: the last folder, the current set's title, the brand, and how the
// last run ended (empty before the first).
void RefreshStatusBar(const Application& app);

// What the end writes besides the list, once: the settings files (those kept unread at start
// get the session's version beside them instead), and the run record's lines not yet written
// (into a dated file beside it when the record still cannot be written).
void SaveSettingsFilesAtExit(Application& app);

}  // namespace drawlot
