#include "win/app/preview_pane.h"

#include <windowsx.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "core/drawing/drawing_file.h"
#include "core/drawing/preview_pane.h"
#include "core/drawing/preview_worker.h"
#include "core/script/script_writer.h"
#include "resources/resource_ids.h"
#include "win/app/application.h"
#include "win/platform/png_decoder.h"
#include "win/platform/win32_file_system.h"

namespace drawlot {

struct PreviewPane {
  HWND picture = nullptr;
  HWND text = nullptr;
  PaneRect area;  // where the list and the pane were last placed
  PreviewLayout layout;
  // Made the first time the pane is shown, so a start without the pane starts no thread.
  std::unique_ptr<PreviewWorker> worker;
  std::optional<std::string> asked;  // the path last asked for; none before the first
  std::optional<PreviewResult> shown;
  bool focus_message_posted = false;
  bool dragging = false;
};

void PreviewPaneDeleter::operator()(PreviewPane* pane) const {
  delete pane;
}

namespace {

constexpr int kPictureMargin = 4;

// ---- On the worker's thread ------------------------------------------------------------------

std::optional<PreviewFileStamp> StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return std::nullopt;
  }
  PreviewFileStamp stamp;
  stamp.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  stamp.last_write = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                     data.ftLastWriteTime.dwLowDateTime;
  stamp.local_write = LocalTimeOf(data.ftLastWriteTime);
  return stamp;
}

// A PNG is decoded here, off the window's thread, so the pane only ever draws a DIB.
std::shared_ptr<const DrawingPreview> ReadForPane(const std::string& path) {
  std::optional<DrawingPreview> read = ReadDrawingPreviewFile(path);
  if (!read) return nullptr;
  if (read->picture == PictureKind::kPng) {
    if (std::optional<std::string> dib = DecodePngToDib(read->picture_bytes)) {
      read->picture = PictureKind::kBmp;
      read->picture_bytes = std::move(*dib);
    } else {
      read->picture = PictureKind::kNone;
      read->picture_bytes.clear();
    }
  }
  return std::make_shared<const DrawingPreview>(std::move(*read));
}

// ---- On the window's thread ------------------------------------------------------------------

void MoveChild(HWND child, const PaneRect& place) {
  MoveWindow(child, place.x, place.y, place.width, place.height, TRUE);
}

void MarkMenuItem(const Application& app) {
  CheckMenuItem(GetMenu(app.main_window), IDM_PREVIEW,
                MF_BYCOMMAND | (app.program_settings.preview_shown ? MF_CHECKED : MF_UNCHECKED));
}

void Place(Application& app) {
  PreviewPane& pane = *app.preview;
  pane.layout = LayOutListAndPreview(pane.area, app.program_settings.preview_shown,
                                     app.program_settings.preview_width);
  if (app.drawing_list) MoveChild(app.drawing_list, pane.layout.list);
  if (!app.program_settings.preview_shown) return;
  MoveChild(pane.picture, pane.layout.picture);
  MoveChild(pane.text, pane.layout.text);
  const RECT bar{pane.layout.splitter.x, pane.layout.splitter.y,
                 pane.layout.splitter.x + pane.layout.splitter.width,
                 pane.layout.splitter.y + pane.layout.splitter.height};
  InvalidateRect(app.main_window, &bar, TRUE);
}

void Show(PreviewPane& pane, PreviewResult result) {
  const std::string picture_text = PreviewPictureText(result);
  const std::string line = PreviewLineText(result);
  pane.shown = std::move(result);
  SetWindowTextA(pane.picture, picture_text.c_str());
  SetWindowTextA(pane.text, line.c_str());
  InvalidateRect(pane.picture, nullptr, TRUE);
}

// No focused row, or a row without a drawing path: the pane is empty.
void ShowNothing(PreviewPane& pane) {
  pane.shown.reset();
  SetWindowTextA(pane.picture, "");
  SetWindowTextA(pane.text, "");
  InvalidateRect(pane.picture, nullptr, TRUE);
}

PreviewWorker& WorkerOf(Application& app) {
  PreviewPane& pane = *app.preview;
  if (!pane.worker) {
    const HWND window = app.main_window;
    pane.worker = std::make_unique<PreviewWorker>(PreviewReader{StampOf, ReadForPane}, [window] {
      PostMessageA(window, kPreviewReadyMessage, 0, 0);
    });
  }
  return *pane.worker;
}

bool OnSplitter(const PreviewPane& pane, POINT point) {
  const PaneRect& bar = pane.layout.splitter;
  return bar.width > 0 && point.x >= bar.x && point.x < bar.x + bar.width && point.y >= bar.y &&
         point.y < bar.y + bar.height;
}

HWND CreatePaneChild(const Application& app, DWORD ex_style, DWORD style, int id) {
  if (app.program_settings.preview_shown) style |= WS_VISIBLE;
  return CreateWindowExA(ex_style, "STATIC", "", WS_CHILD | style, 0, 0, 0, 0, app.main_window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.instance, nullptr);
}

}  // namespace

void CreatePreviewPane(Application& app) {
  app.preview.reset(new PreviewPane);
  PreviewPane& pane = *app.preview;
  pane.picture = CreatePaneChild(app, WS_EX_CLIENTEDGE, SS_OWNERDRAW, IDC_PREVIEW_PICTURE);
  pane.text = CreatePaneChild(app, 0, SS_LEFT | SS_NOPREFIX, IDC_PREVIEW_TEXT);
  if (pane.text && app.editor_font) {
    SendMessageA(pane.text, WM_SETFONT, reinterpret_cast<WPARAM>(app.editor_font), FALSE);
  }
  MarkMenuItem(app);
  if (app.program_settings.preview_shown) ListChangedForPreview(app);
}

void PlaceListAndPreview(Application& app, const PaneRect& area) {
  if (!app.preview) {
    if (app.drawing_list) MoveChild(app.drawing_list, area);
    return;
  }
  app.preview->area = area;
  Place(app);
}

void TogglePreviewCommand(Application& app) {
  PreviewPane& pane = *app.preview;
  const bool shown = !app.program_settings.preview_shown;
  app.program_settings.preview_shown = shown;
  ShowWindow(pane.picture, shown ? SW_SHOW : SW_HIDE);
  ShowWindow(pane.text, shown ? SW_SHOW : SW_HIDE);
  MarkMenuItem(app);
  Place(app);
  InvalidateRect(app.main_window, nullptr, TRUE);
  if (shown) {
    pane.asked.reset();  // what was shown before may have changed while the pane was hidden
    PreviewFocusedRow(app);
  }
}

void ListChangedForPreview(Application& app) {
  if (!app.preview || !app.program_settings.preview_shown || app.preview->focus_message_posted) {
    return;
  }
  app.preview->focus_message_posted = PostMessageA(app.main_window, kPreviewFocusMessage, 0, 0);
}

void PreviewFocusedRow(Application& app) {
  if (!app.preview) return;
  PreviewPane& pane = *app.preview;
  pane.focus_message_posted = false;
  if (!app.program_settings.preview_shown || !app.rows) return;
  const int row = static_cast<int>(
      SendMessageA(app.drawing_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  const std::string path =
      row < 0 ? std::string() : ScriptPlan(app.current_items()).DrawingPath(*app.rows, row);
  if (pane.asked == path) return;
  pane.asked = path;
  if (path.empty()) {
    ShowNothing(pane);
    return;
  }
  WorkerOf(app).Ask(path);
}

void TakePreviewResult(Application& app) {
  if (!app.preview || !app.preview->worker) return;
  PreviewPane& pane = *app.preview;
  std::optional<PreviewResult> result = pane.worker->TakeResult();
  // A result for a path asked before the focus moved on is not shown.
  if (!result || pane.asked != result->path) return;
  Show(pane, std::move(*result));
}

void DrawPreviewPicture(const Application& app, const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
  if (!app.preview || !app.preview->shown) return;
  const PreviewResult& result = *app.preview->shown;
  const PaneRect box{item.rcItem.left + kPictureMargin, item.rcItem.top + kPictureMargin,
                     item.rcItem.right - item.rcItem.left - 2 * kPictureMargin,
                     item.rcItem.bottom - item.rcItem.top - 2 * kPictureMargin};
  const std::optional<DibShape> shape =
      result.preview && result.preview->picture == PictureKind::kBmp
          ? CheckDib(result.preview->picture_bytes)
          : std::nullopt;
  if (shape) {
    const std::string& dib = result.preview->picture_bytes;
    const int height = std::abs(shape->height);
    const PaneRect fit = FitPicture(shape->width, height, box);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, fit.x, fit.y, fit.width, fit.height, 0, 0, shape->width, height,
                  dib.data() + shape->bits_offset, reinterpret_cast<const BITMAPINFO*>(dib.data()),
                  DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  std::string text = PreviewPictureText(result);
  RECT place = item.rcItem;
  const HGDIOBJ font = app.editor_font ? SelectObject(dc, app.editor_font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &place,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (font) SelectObject(dc, font);
}

bool PreviewSplitterMessage(Application& app, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!app.preview || !app.program_settings.preview_shown) return false;
  PreviewPane& pane = *app.preview;
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_SETCURSOR: {
      if (reinterpret_cast<HWND>(wparam) != app.main_window || LOWORD(lparam) != HTCLIENT) {
        return false;
      }
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(app.main_window, &cursor);
      if (!pane.dragging && !OnSplitter(pane, cursor)) return false;
      SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE
      return true;
    }
    case WM_LBUTTONDOWN:
      if (!OnSplitter(pane, point)) return false;
      pane.dragging = true;
      SetCapture(app.main_window);
      return true;
    case WM_MOUSEMOVE:
      if (!pane.dragging) return false;
      app.program_settings.preview_width =
          PreviewWidthForSplitterAt(point.x, pane.area.x + pane.area.width);
      Place(app);
      return true;
    case WM_LBUTTONUP:
      if (!pane.dragging) return false;
      ReleaseCapture();  // ends the drag through WM_CAPTURECHANGED
      return true;
    case WM_CAPTURECHANGED:
      if (!pane.dragging) return false;
      pane.dragging = false;
      // Kept as the layout has it: the width the list left the pane, not the one dragged to.
      app.program_settings.preview_width = pane.layout.picture.width;
      return true;
    default:
      return false;
  }
}

}  // namespace drawlot
