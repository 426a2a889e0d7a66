#include "win/env/printers_dialog.h"

#include <commctrl.h>

#include <string>

#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "win/list/list_redraw_pause.h"
#include "win/list/list_view_row_store.h"
#include "win/platform/callback_guard.h"
#include "win/platform/empty_paint.h"

namespace drawlot {
namespace {

constexpr int kListWidth = 890;
constexpr int kListHeight = 242;
constexpr int kPrinterColumnWidth = 180;
constexpr int kPaperColumnWidth = 130;

Application* AppOf(HWND dialog) {
  return reinterpret_cast<Application*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND CreatePrinterList(HWND dialog, HINSTANCE instance) {
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, kListWidth,
      kListHeight, dialog, reinterpret_cast<HMENU>(IDC_PRINTER_LIST), instance, nullptr);
  if (!list) return nullptr;
  const LPARAM extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  ListViewRowStore columns(list);
  columns.InsertColumn(0, "プリンタ名", kPrinterColumnWidth);
  for (int k = 1; k <= kMaxPaperNames; ++k) {
    columns.InsertColumn(k, "用紙ｻｲｽ" + std::to_string(k), kPaperColumnWidth);
  }
  return list;
}

// A row per printer: its name, its index as the row's parameter, a paper name per column.
void FillPrinterRows(HWND list, const PrinterCatalog& catalog) {
  const ListRedrawPause pause(list);  // one repaint for up to 30 x 64 cells
  ListViewRowStore rows(list);
  rows.DeleteAllRows();
  for (int i = 0; i < catalog.count; ++i) {
    const PrinterEntry& entry = catalog.printers[i];
    const int row = rows.InsertRow(i, entry.name.view(), 0, i);
    for (int k = 0; k < entry.PaperCount(); ++k) rows.SetCell(row, k + 1, entry.papers[k].view());
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
      PaintNothing(dialog);
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
