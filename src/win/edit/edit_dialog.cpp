#include "win/edit/edit_dialog.h"

#include <algorithm>

#include "core/edit/edit_dialog_model.h"
#include "core/edit/plot_styles.h"
#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "win/platform/combo_box.h"
#include "win/platform/editor_controls.h"

namespace drawlot {
namespace {

constexpr UINT kPrinterCheckDelayMs = 500;
constexpr int kCellTextBuffer = 128;
constexpr int kPrinterTextBuffer = 256;
constexpr int kMargin = 8;       // around the controls and the buttons, in pixels
constexpr int kScrollLine = 20;  // one click on a scroll arrow

class EditDialog : public DataDialog<RowBuffer> {
 public:
  EditDialog(const DialogContext& context, const EditDialogRecords& records, EditDialogMode mode,
             RowBuffer& buffer)
      : DataDialog(context, buffer,
                   {.ok = IDC_EDIT_OK,
                    .cancel = IDC_EDIT_CANCEL,
                    .help = IDC_EDIT_HELP,
                    .help_page = "Dw-HELP04.htm"}),
        records_(records),
        mode_(mode) {}

 private:
  bool OnInit() override {
    EnumeratePrinters(records_.printers, records_.settings, records_.spooler, context().prompter,
                      owner_ref());
    const auto styles = ListPlotStyles(records_.files, records_.settings.autocad_file.view());
    model_ = BuildEditDialogModel(records_.items, data(), records_.printers, styles);
    for (const EditControl& control : model_.controls) CreateControl(control);
    SetWindowTextA(window(), EditDialogTitle(mode_, records_.set_title).c_str());
    PlaceButtonsAndFit();
    // The printer text the boxes opened with counts as seen: only a change refills the papers.
    if (model_.printer_box != 0) last_printer_ = ItemText(model_.printer_box, kPrinterTextBuffer);
    check_pending_ = false;
    // The last control made has the focus once the dialog shows.
    if (!model_.controls.empty()) {
      PostMessageA(window(), WM_NEXTDLGCTL,
                   reinterpret_cast<WPARAM>(Item(model_.controls.back().id)), TRUE);
    }
    return true;
  }

  void CreateControl(const EditControl& control) {
    CreateEditorControl(
        window(), context().instance, context().font,
        EditorControl{control.kind == EditControlKind::kTextBox, control.id, control.x, control.y,
                      control.width, control.height, &control.choices, control.text});
  }

  // The buttons go below the last line of controls; the dialog grows to hold everything, up
  // to the screen's work area, and scrolls vertically beyond it.
  void PlaceButtonsAndFit() {
    RECT button{};
    GetWindowRect(Item(IDC_EDIT_OK), &button);
    const int button_height = button.bottom - button.top;
    const int button_width = button.right - button.left;
    RECT client{};
    GetClientRect(window(), &client);
    const int width = std::max<int>(client.right, model_.right + kMargin);
    const int buttons_top = std::max(model_.bottom + kMargin, kEditFirstY);
    int x = width - 3 * (button_width + kMargin);
    for (const int id : {IDC_EDIT_OK, IDC_EDIT_CANCEL, IDC_EDIT_HELP}) {
      SetWindowPos(Item(id), nullptr, x, buttons_top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      x += button_width + kMargin;
    }
    content_height_ = buttons_top + button_height + kMargin;
    FitWindow(width, content_height_);
  }

  void FitWindow(int width, int height) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const LONG style = GetWindowLongA(window(), GWL_STYLE);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, GetWindowLongA(window(), GWL_EXSTYLE));
    const int frame_height = frame.bottom - frame.top;
    const int room = work.bottom - work.top;
    if (frame_height > room) {
      SetWindowLongA(window(), GWL_STYLE, style | WS_VSCROLL);
      frame.right += GetSystemMetrics(SM_CXVSCROLL);
    }
    const int shown_height = std::min(frame_height, room);
    SetWindowPos(window(), nullptr, work.left, work.top, frame.right - frame.left, shown_height,
                 SWP_NOZORDER | SWP_FRAMECHANGED | (frame_height > room ? 0 : SWP_NOMOVE));
    if (frame_height > room) {
      RECT client{};
      GetClientRect(window(), &client);
      SCROLLINFO info{sizeof info,
                      SIF_RANGE | SIF_PAGE | SIF_POS,
                      0,
                      height - 1,
                      static_cast<UINT>(client.bottom),
                      0,
                      0};
      SetScrollInfo(window(), SB_VERT, &info, TRUE);
    }
  }

  void OnScroll(int request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window(), SB_VERT, &info);
    int position = info.nPos;
    switch (request) {
      case SB_LINEUP:
        position -= kScrollLine;
        break;
      case SB_LINEDOWN:
        position += kScrollLine;
        break;
      case SB_PAGEUP:
        position -= static_cast<int>(info.nPage);
        break;
      case SB_PAGEDOWN:
        position += static_cast<int>(info.nPage);
        break;
      case SB_TOP:
        position = 0;
        break;
      case SB_BOTTOM:
        position = info.nMax;
        break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
      default:
        break;
    }
    position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
    if (position == info.nPos) return;
    ScrollWindowEx(window(), 0, info.nPos - position, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window(), SB_VERT, &info, TRUE);
  }

  // Each item's title stands above the left edge of its control, wherever scrolling put it.
  void Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window(), &paint);
    const HGDIOBJ old_font = context().font ? SelectObject(dc, context().font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    for (const EditControl& control : model_.controls) {
      RECT place{};
      GetWindowRect(Item(control.id), &place);
      POINT corner{place.left, place.top};
      ScreenToClient(window(), &corner);
      TextOutA(dc, corner.x, corner.y - kEditTitleAbove, control.title.c_str(),
               static_cast<int>(control.title.size()));
    }
    if (old_font) SelectObject(dc, old_font);
    EndPaint(window(), &paint);
  }

  // Any notification of the linked printer box schedules one check of its text.
  void OnCommand(int id, int /*notification_code*/) override {
    DataDialog::OnCommand(id, 0);
    if (id != 0 && id == model_.printer_box && !check_pending_) {
      check_pending_ = true;
      SetTimer(window(), TIMER_EDIT_PRINTER_CHECK, kPrinterCheckDelayMs, nullptr);
    }
  }

  void CheckPrinter() {
    if (!check_pending_) return;
    const std::string printer = ItemText(model_.printer_box, kPrinterTextBuffer);
    if (const auto update = FollowPrinter(last_printer_, printer, records_.printers,
                                          UnknownPrinter::kResetToFirst)) {
      if (update->printer_text) SetItemText(model_.printer_box, *update->printer_text);
      if (model_.paper_box != 0) {
        if (update->papers) FillCombo(Item(model_.paper_box), *update->papers);
        SetItemText(model_.paper_box, update->paper_text);
      }
    }
    KillTimer(window(), TIMER_EDIT_PRINTER_CHECK);
    check_pending_ = false;
  }

  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/) override {
    switch (message) {
      case WM_PAINT:
        Paint();
        return TRUE;
      case WM_TIMER:
        if (wparam == TIMER_EDIT_PRINTER_CHECK) CheckPrinter();
        return TRUE;
      case WM_VSCROLL:
        OnScroll(LOWORD(wparam));
        return TRUE;
      default:
        return FALSE;
    }
  }

  void OnOk() override {
    ReadEditDialog(model_, data(), [this](int id) { return ItemText(id, kCellTextBuffer); });
    Accept();
  }

  void OnCancel() override {
    KillTimer(window(), TIMER_EDIT_PRINTER_CHECK);
    End(0);
  }

  const EditDialogRecords& records_;
  const EditDialogMode mode_;
  EditDialogModel model_;
  std::string last_printer_;
  bool check_pending_ = false;
  int content_height_ = 0;
};

}  // namespace

bool RunEditDialog(const DialogContext& context, const EditDialogRecords& records,
                   EditDialogMode mode, RowBuffer& buffer) {
  EditDialog dialog(context, records, mode, buffer);
  return dialog.RunModal(IDD_EDIT) == 1;
}

}  // namespace drawlot
