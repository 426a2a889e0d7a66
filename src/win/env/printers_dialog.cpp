#include "win/env/printers_dialog.h"

#include <string>

#include "core/env/printer_enumeration.h"
#include "resources/resource_ids.h"
#include "win/platform/empty_paint.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/list_view.h"

namespace drawlot {
namespace {

constexpr int kListWidth = 890;
constexpr int kListHeight = 242;
constexpr int kPrinterColumnWidth = 180;
constexpr int kPaperColumnWidth = 130;

HWND CreatePrinterList(HWND dialog, HINSTANCE instance) {
  const HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, kListWidth,
      kListHeight, dialog, reinterpret_cast<HMENU>(IDC_PRINTER_LIST), instance, nullptr);
  if (!list) return nullptr;
  const LPARAM extended = SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  list_view::InsertColumn(list, 0, "プリンタ名", kPrinterColumnWidth);
  for (int k = 1; k <= kMaxPaperNames; ++k) {
    list_view::InsertColumn(list, k, "用紙ｻｲｽ" + std::to_string(k), kPaperColumnWidth);
  }
  return list;
}

// A row per printer: its name, its index as the row's parameter, a paper name per column.
void FillPrinterRows(HWND list, const PrinterCatalog& catalog) {
  const ListRedrawPause pause(list);  // one repaint for up to 30 x 64 cells
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < catalog.count; ++i) {
    const PrinterEntry& entry = catalog.printers[i];
    const int row = list_view::InsertItem(list, i, entry.name.view(), I_IMAGENONE, i);
    for (int k = 0; k < entry.PaperCount(); ++k)
      list_view::SetItemText(list, row, k + 1, entry.papers[k].view());
  }
}

// No buttons, and Enter and Esc do nothing; the close box ends it.
constexpr DialogButtons kNoButtons{.ok = 0, .cancel = 0, .esc_cancels = false};

class PrintersDialog : public Dialog {
 public:
  PrintersDialog(const DialogContext& context, const PrinterRecords& records)
      : Dialog(context, kNoButtons), records_(records) {}

 protected:
  bool OnInit() override {
    const HWND list = CreatePrinterList(window(), context().instance);
    EnumeratePrinters(records_.catalog, records_.settings, records_.spooler, context().prompter,
                      owner_ref());
    if (list) FillPrinterRows(list, records_.catalog);
    return true;
  }
  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_PAINT) return FALSE;
    PaintNothing(window());
    return TRUE;
  }

 private:
  PrinterRecords records_;
};

}  // namespace

void RunPrintersDialog(const DialogContext& context, const PrinterRecords& records) {
  PrintersDialog dialog(context, records);
  dialog.RunModal(IDD_PRINTERS);
}

}  // namespace drawlot
