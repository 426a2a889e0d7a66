// Dialog 6 "編集": one input control per editable column of the current set, made when the
// dialog opens, for the one-row edit, the one-column edit and the initial values. The values
// travel in RowBuffer; the commands around it are EditRow, EditColumn and EditInitialValues.
#pragma once

#include "core/edit/row_edit.h"
#include "core/env/environment_settings.h"
#include "core/env/printer_catalog.h"
#include "core/platform/file_system.h"
#include "core/platform/print_spooler.h"
#include "win/platform/dialog.h"

namespace drawlot {

// What the dialog works with besides the buffer it edits.
struct EditDialogRecords {
  const ItemSlots& items;      // the current set's items
  std::string_view set_title;  // for the initial-values caption
  const EnvironmentSettings& settings;
  PrinterCatalog& printers;  // rebuilt when the dialog opens
  PrintSpooler& spooler;
  const FileSystem& files;  // the plot styles beside AutoCAD
};

// Runs the dialog modally in `mode` over `buffer`; true (and the buffer holds the controls'
// texts) for OK, false for Cancel and the close box (the buffer as it was).
bool RunEditDialog(const DialogContext& context, const EditDialogRecords& records,
                   EditDialogMode mode, RowBuffer& buffer);

}  // namespace drawlot
