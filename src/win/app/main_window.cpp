#include "win/app/main_window.h"

#include <commctrl.h>

#include <array>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/drawing/preview_pane.h"
#include "core/list/list_click.h"
#include "core/list/list_rows.h"
#include "core/list/list_sort.h"
#include "core/workspace/kept_files.h"
#include "core/workspace/leftover_files.h"
#include "core/workspace/workspace.h"
#include "resources/resource_ids.h"
#include "win/app/cell_editor.h"
#include "win/app/dropped_files.h"
#include "win/app/main_commands.h"
#include "win/app/main_window_place.h"
#include "win/app/preview_pane.h"
#include "win/app/printer_startup.h"
#include "win/app/run_commands.h"
#include "win/app/script_commands.h"
#include "win/app/undo_commands.h"
#include "win/env/environment_dialog.h"
#include "win/platform/callback_guard.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/list_view.h"
#include "win/platform/local_clock.h"
#include "win/platform/shell_library.h"

namespace drawlot {

namespace {

constexpr int kToolbarButtonSize = 32;
constexpr int kListHeightLoss = 60;  // the toolbar above and the status bar below
constexpr int kRowIconSize = 12;
constexpr std::array<int, 4> kStatusPartEdges = {450, 600, 800, -1};

Application* AppOf(HWND window) {
  return reinterpret_cast<Application*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// ---- Creation --------------------------------------------------------------------------------

void ReadSettingsFiles(Application& app) {
  if (ReadSettingsAtStart(app.workspace(), app.startup_reads, app.prompter, app.owner())) {
    // "plot_set.ini" was missing: start-up goes on while the environment dialog is open.
    app.startup_environment_dialog =
        OpenEnvironmentDialog(app.dialog_context(), app.environment_records());
  }
}

HWND CreateToolbar(const Application& app) {
  const HWND toolbar = CreateWindowExA(
      0, TOOLBARCLASSNAMEA, nullptr,
      WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_ALTDRAG | CCS_ADJUSTABLE, 0,
      0, 0, 0, app.main_window, reinterpret_cast<HMENU>(IDC_TOOLBAR), app.instance, nullptr);
  if (!toolbar) return nullptr;
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELONG(kToolbarButtonSize, kToolbarButtonSize));
  const std::span<const Command* const> commands = ToolbarCommands();
  TBADDBITMAP strip{app.instance, IDB_TOOLBAR};
  SendMessageA(toolbar, TB_ADDBITMAP, commands.size(), reinterpret_cast<LPARAM>(&strip));
  // The rows come in picture order: button k shows picture k of the strip.
  std::vector<TBBUTTON> buttons(commands.size());
  for (std::size_t k = 0; k < commands.size(); ++k) {
    buttons[k].iBitmap = commands[k]->picture;
    buttons[k].idCommand = commands[k]->toolbar_id;
    buttons[k].fsState = TBSTATE_ENABLED;
    buttons[k].fsStyle = BTNS_BUTTON;
    buttons[k].iString = -1;
  }
  SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
  return toolbar;
}

HIMAGELIST CreateRowIcons(const Application& app) {
  constexpr std::array<int, 2> kRowIcons = {IDI_DXF_ROW, IDI_DWG_ROW};  // image 0 DXF, 1 DWG
  return list_view::CreateIconList(app.instance, kRowIconSize, kRowIcons);
}

// The in-place cell editor is a sibling above the list: the list clips it out when it paints,
// or a repaint of the row under the editor would draw over the editor.
HWND CreateDrawingList(const Application& app, HIMAGELIST row_icons) {
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | LVS_REPORT, 0,
      0, 0, 0, app.main_window, reinterpret_cast<HMENU>(IDC_DRAWING_LIST), app.instance, nullptr);
  if (!list) return nullptr;
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(row_icons));
  return list;
}

HFONT CreateEditorFont() {
  return CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     "ＭＳゴシック");
}

HWND CreateStatusBar(const Application& app) {
  const HWND status = CreateWindowExA(
      0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, 0, 0, 0, 0,
      app.main_window, reinterpret_cast<HMENU>(IDC_STATUS_BAR), app.instance, nullptr);
  if (!status) return nullptr;
  SendMessageA(status, SB_SETPARTS, kStatusPartEdges.size(),
               reinterpret_cast<LPARAM>(kStatusPartEdges.data()));
  return status;
}

// The toolbar, the list with the preview beside it, and the status bar, for a client area of
// the size WM_SIZE gives.
void LayOutChildren(Application& app, WPARAM size_type, LPARAM client_size) {
  const int width = LOWORD(client_size);
  const int height = HIWORD(client_size);
  if (app.toolbar) SendMessageA(app.toolbar, WM_SIZE, size_type, client_size);
  PlaceListAndPreview(app, PaneRect{0, kDrawingListTop, width, height - kListHeightLoss});
  if (app.status_bar) SendMessageA(app.status_bar, WM_SIZE, size_type, client_size);
}

// The children take their places while the window is still hidden: a list that first gets its
// size once shown lays out its header and scroll bars on screen, each step painted, before its
// rows are.
void LayOutHiddenChildren(Application& app) {
  RECT client{};
  if (!GetClientRect(app.main_window, &client)) return;
  LayOutChildren(app, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void LoadSavedList(Application& app) {
  const ListRedrawPause pause(app.drawing_list);
  LoadListAtStart(app.workspace(), *app.rows, app.tags, app.startup_reads, app.prompter,
                  app.owner());
}

// The window's create message: the settings files, the controls, the printers and the list,
// in this order. The printers are read on a worker, and their boxes come once it is done.
bool OnCreate(Application& app) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  RemoveLeftoverTemporaryFiles(app.drawing_sources.system_files, app.startup_folder);
  ReadSettingsFiles(app);
  app.toolbar = CreateToolbar(app);
  const HIMAGELIST row_icons = CreateRowIcons(app);
  app.drawing_list = CreateDrawingList(app, row_icons);
  if (!app.drawing_list) return false;
  app.rows = std::make_unique<ListViewRowStore>(app.drawing_list);
  {
    const ListRedrawPause pause(app.drawing_list);
    BuildColumns(*app.rows, app.current_items());
  }
  app.editor_font = CreateEditorFont();
  CreatePreviewPane(app);
  app.status_bar = CreateStatusBar(app);
  StartPrinterEnumeration(app);
  app.row_buffer.Clear();
  LoadSavedList(app);
  // A run cut off last time is asked about once the window is up and its boxes are shown.
  PostMessageA(app.main_window, kPickUpRunMessage, 0, 0);
  AllowStartupPrinters(app);
  AcceptDroppedFiles(app.main_window);
  LayOutHiddenChildren(app);
  return true;
}

// ---- Messages --------------------------------------------------------------------------------

void OnSize(Application& app, WPARAM wparam, LPARAM lparam) {
  LayOutChildren(app, wparam, lparam);
  InvalidateRect(app.main_window, nullptr, FALSE);
  UpdateWindow(app.main_window);
}

void OnPaint(Application& app) {
  PAINTSTRUCT paint;
  BeginPaint(app.main_window, &paint);
  RefreshStatusBar(app);
  EndPaint(app.main_window, &paint);
}

// The list as the window leaves it, saved once: at the window's end or the session's.
void SaveListAtExit(Application& app) {
  if (app.list_saved_at_exit || !app.rows) return;
  app.list_saved_at_exit = true;
  CloseCellEditor(app);  // the list is saved with the edited cell's text, never without it
  SaveListAtClose(app.workspace(), *app.rows, app.startup_reads, app.prompter, app.owner());
  SaveKeptListSessionVersion(app.startup_reads, *app.rows, app.startup_folder, LocalTimeNow(),
                             app.kept_files);
  RememberMainWindowPlace(app);
}

void OnDestroy(Application& app) {
  EndRunNow(app);  // a run still going ends here, recorded, with nothing after the window
  SaveListAtExit(app);
  PostQuitMessage(0);
}

// WM_CLOSE (the caption's close box, Alt+F4, or another program asking): during a run only
// when the user says so.
void OnClose(Application& app) {
  if (MayCloseDuringRun(app)) DestroyWindow(app.main_window);
}

// The session ends (log-off, shutdown): the process may be gone once this returns, so what a
// normal exit saves is saved now, and a running AutoCAD is ended.
void OnEndSession(Application& app, bool ending) {
  if (!ending) return;
  EndRunNow(app);
  SaveListAtExit(app);
  SaveSettingsFilesAtExit(app);
}

void OnTooltipText(NMTTDISPINFOA& info) {
  const std::string_view text = ToolbarTooltip(static_cast<int>(info.hdr.idFrom));
  if (text.empty()) return;
  // The texts are literals of the program, so the tooltip may keep the pointer.
  info.lpszText = const_cast<char*>(text.data());
  info.hinst = nullptr;
}

void OnListNotify(Application& app, const NMHDR& header) {
  switch (header.code) {
    case LVN_COLUMNCLICK: {
      const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
      CloseCellEditor(app);  // the edited cell gets its text before the rows move
      RunAsUndoStep(app, UndoStep::kRows, [&] {
        SortOnHeaderClick(*app.rows, app.sort_directions, click.iSubItem, app.prompter,
                          app.owner());
      });
      break;
    }
    case NM_RCLICK:
      app.edit_column = reinterpret_cast<const NMITEMACTIVATE&>(header).iSubItem;
      // The editor's step ends when the editor gives its text to the cell.
      CloseCellEditor(app);
      OpenCellEditorUndoStep(app);
      OpenCellEditorCommand(app, app.edit_column);
      break;
    case NM_CLICK:
      CancelCellEditorOnClick(app);
      MarkClickedRows(*app.rows);
      break;
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
      ListChangedForPreview(app);
      break;
    default:
      break;
  }
}

LRESULT OnNotify(Application& app, HWND window, WPARAM wparam, LPARAM lparam) {
  auto* header = reinterpret_cast<NMHDR*>(lparam);
  if (header->code == TTN_GETDISPINFOA) {
    OnTooltipText(*reinterpret_cast<NMTTDISPINFOA*>(header));
    return 0;
  }
  if (header->idFrom == IDC_DRAWING_LIST && app.rows) {
    OnListNotify(app, *header);
  }
  return DefWindowProcA(window, WM_NOTIFY, wparam, lparam);
}

LRESULT OnTimer(Application& app, HWND window, WPARAM wparam, LPARAM lparam) {
  switch (wparam) {
    case TIMER_CELL_COMMIT:
      CellEditorTimerTick(app);
      return 0;
    case TIMER_START_PRINTERS:
      ResumeStartupPrinters(app);
      return 0;
    case TIMER_RUN_PAUSE:
      CloseCellEditor(app);  // the row's script gets the edited cell's text, as with a command
      RunPauseOver(app);
      return 0;
    default:
      return DefWindowProcA(window, WM_TIMER, wparam, lparam);
  }
}

LRESULT Dispatch(Application& app, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (PreviewSplitterMessage(app, message, wparam, lparam)) return message == WM_SETCURSOR;
  switch (message) {
    case WM_CREATE:
      return OnCreate(app) ? 0 : -1;
    case WM_SIZE:
      OnSize(app, wparam, lparam);
      return 0;
    case WM_PAINT:
      OnPaint(app);
      return 0;
    case WM_COMMAND:
      RunCommand(app, LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(app, window, wparam, lparam);
    case WM_TIMER:
      return OnTimer(app, window, wparam, lparam);
    case WM_DROPFILES:
      DropFilesCommand(app, reinterpret_cast<HDROP>(wparam));
      return 0;
    case kStartupPrintersMessage:
      TakeStartupPrinters(app);
      return 0;
    case kDestroyCellEditorMessage:
      DestroyWindow(reinterpret_cast<HWND>(wparam));
      return 0;
    case kRunReportMessage:
      TakeRunReports(app);
      return 0;
    case kRunStopMessage:
      RunStopPressed(app);
      return 0;
    case kPickUpRunMessage:
      PickUpCutOffRun(app);
      return 0;
    case kPreviewFocusMessage:
      PreviewFocusedRow(app);
      return 0;
    case kPreviewReadyMessage:
      TakePreviewResult(app);
      return 0;
    case WM_DRAWITEM:
      if (wparam != IDC_PREVIEW_PICTURE) return DefWindowProcA(window, message, wparam, lparam);
      DrawPreviewPicture(app, *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_CLOSE:
      OnClose(app);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(app, wparam != FALSE);
      return 0;
    case WM_DESTROY:
      OnDestroy(app);
      return 0;
    case WM_ACTIVATE:
    case WM_KEYDOWN:
    case WM_QUERYNEWPALETTE:
    case WM_QUIT:
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* app = static_cast<Application*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
    app->main_window = window;
  }
  Application* app = AppOf(window);
  if (!app) return DefWindowProcA(window, message, wparam, lparam);
  // Nothing may unwind through the system's window code; the message is dropped.
  return CallOrFallback<LRESULT>(message == WM_CREATE ? -1 : 0,
                                 [&] { return Dispatch(*app, window, message, wparam, lparam); });
}

}  // namespace

void SaveSettingsFilesAtExit(Application& app) {
  if (app.settings_saved_at_exit) return;
  app.settings_saved_at_exit = true;
  const LocalTime now = LocalTimeNow();
  SaveSettingsAtExit(app.workspace(), app.startup_reads, app.prompter);
  SaveKeptSettingsSessionVersions(app.workspace(), app.startup_reads, now, app.kept_files);
  if (!app.run_record.Flush()) {
    app.kept_files.SaveSessionVersion(app.startup_folder, kRunRecordFileName, app.run_record.Kept(),
                                      now);
  }
}

WindowOrigin MainWindowOrigin(int screen_width, int screen_height) {
  return WindowOrigin{(screen_width - kMainWindowWidth) / 2,
                      (screen_height - kMainWindowHeight) / 2};
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_HREDRAW | CS_VREDRAW | CS_BYTEALIGNCLIENT;
  window_class.lpfnWndProc = MainWindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_DRAWLOT));
  window_class.hIconSm = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_DRAWLOT_SMALL), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  window_class.hbrBackground = CreateSolidBrush(kMainWindowBackground);
  window_class.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  window_class.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&window_class) != 0;
}

HWND CreateMainWindow(Application& app) {
  const WindowOrigin origin =
      MainWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, WS_OVERLAPPEDWINDOW, origin.x,
                         origin.y, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr,
                         app.instance, &app);
}

void RefreshStatusBar(const Application& app) {
  if (!app.status_bar) return;
  const std::string folder(app.settings.file_folder.view());
  const std::string title(CurrentSet(app.items, app.settings).title.view());
  SendMessageA(app.status_bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  SendMessageA(app.status_bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(title.c_str()));
  SendMessageA(app.status_bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(kStatusBarBrand));
  // Part 3, empty until then, says how the last run ended, what the last drop left out and what
  // the last selection of changed drawings chose: each text keeps its place.
  std::string part3;
  for (const std::string* text : {&app.last_run_status, &app.drop_report, &app.selection_report}) {
    if (!part3.empty() && !text->empty()) part3 += "　";
    part3 += *text;
  }
  SendMessageA(app.status_bar, SB_SETTEXTA, kRunStatusPart,
               reinterpret_cast<LPARAM>(part3.c_str()));
}

}  // namespace drawlot
