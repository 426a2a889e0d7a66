#include "win/env/printers_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "win/list/list_redraw_pause.h"
#include "win/platform/callback_guard.h"

namespace drawlot {
namespace {

constexpr int kListWidth = 890;
constexpr int kListHeight = 242;
constexpr int kPrinterColumnWidth = 180;
constexpr int kPaperColumnWidth = 130;

Application* AppOf(HWND dialog) {
  return reinterpret_cast<Application*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void InsertColumn(HWND list, int index, const std::string& title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(title.c_str());
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

HWND CreatePrinterList(HWND dialog, HINSTANCE instance) {
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, kListWidth,
      kListHeight, dialog, reinterpret_cast<HMENU>(IDC_PRINTER_LIST), instance, nullptr);
  if (!list) return nullptr;
  const LPARAM extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  InsertColumn(list, 0, "プリンタ名", kPrinterColumnWidth);
  for (int k = 1; k <= kMaxPaperNames; ++k) {
    InsertColumn(list, k, "用紙ｻｲｽ" + std::to_string(k), kPaperColumnWidth);
  }
  return list;
}

void SetCell(HWND list, int row, int column, const char* text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text);
  SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
}

void FillPrinterRows(HWND list, const PrinterCatalog& catalog) {
  const ListRedrawPause pause(list);  // one repaint for up to 30 x 64 cells
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < catalog.count; ++i) {
    const PrinterEntry& entry = catalog.printers[i];
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = const_cast<char*>(entry.name.c_str());
    item.lParam = i;
    const int row =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (int k = 0; k < entry.PaperCount(); ++k) SetCell(list, row, k + 1, entry.papers[k].c_str());
  }
}

void OnInitDialog(HWND dialog, Application& app) {
  const HWND list = CreatePrinterList(dialog, app.instance);
  EnumeratePrinters(app.printers, app.settings, *app.spooler, app.prompter,
                    reinterpret_cast<WindowRef>(dialog));
  if (list) FillPrinterRows(list, app.printers);
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    OnInitDialog(dialog, *reinterpret_cast<Application*>(lparam));
    return TRUE;
  }
  if (!AppOf(dialog)) return FALSE;
  switch (message) {
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    case WM_PAINT:
      ValidateRect(dialog, nullptr);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK PrintersDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallOrFallback<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wparam, lparam); });
}

void RunPrintersDialog(Application& app) {
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PRINTERS), app.main_window,
                  PrintersDialogProcedure, reinterpret_cast<LPARAM>(&app));
}

}  // namespace drawlot
