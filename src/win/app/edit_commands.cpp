#include "win/app/edit_commands.h"

#include "core/edit/row_edit.h"
#include "win/app/printer_startup.h"
#include "win/edit/edit_dialog.h"

namespace drawlot {
namespace {

EditDialogRecords RecordsOf(Application& app) {
  WaitForStartupPrinters(app);
  const ScriptItemSet& set = CurrentSet(app.items, app.settings);
  return EditDialogRecords{set.items,    set.title.view(), app.settings,
                           app.printers, *app.spooler,     *app.drawing_sources.files};
}

EditDialogRunner RunnerOf(Application& app, const EditDialogRecords& records) {
  return [&app, &records](EditDialogMode mode, RowBuffer& buffer) {
    return RunEditDialog(app.dialog_context(), records, mode, buffer);
  };
}

}  // namespace

void EditRowCommand(Application& app) {
  const EditDialogRecords records = RecordsOf(app);
  EditRow(*app.rows, records.items, app.row_buffer, app.prompter, app.owner(),
          RunnerOf(app, records));
}

void EditColumnCommand(Application& app) {
  const EditDialogRecords records = RecordsOf(app);
  EditColumn(*app.rows, records.items, app.row_buffer, RunnerOf(app, records));
}

void EditInitialValuesCommand(Application& app) {
  ScriptItemSet& set = app.items.sets[CurrentSetIndex(app.settings)];
  const EditDialogRecords records = RecordsOf(app);
  EditInitialValues(set.items, app.row_buffer, RunnerOf(app, records));
}

}  // namespace drawlot
