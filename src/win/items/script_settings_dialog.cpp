#include "win/items/script_settings_dialog.h"

#include <string>

#include "core/items/set_choice.h"
#include "resources/resource_ids.h"
#include "win/items/script_details_dialog.h"
#include "win/platform/combo_box.h"

namespace drawlot {
namespace {

// The edit text of the drop-down is read into 260 bytes.
constexpr int kChoiceBuffer = 260;

class ScriptSettingsDialog : public Dialog {
 public:
  ScriptSettingsDialog(const DialogContext& context, const ScriptItemRecords& records)
      : Dialog(context, {.ok = IDC_SCRIPT_OK,
                         .cancel = IDC_SCRIPT_CANCEL,
                         .help = IDC_SCRIPT_HELP,
                         .help_page = "Dw-HELP02.htm",
                         .esc_cancels = false}),
        records_(records) {}

 private:
  bool OnInit() override {
    FillSetChoice();
    return true;
  }

  // No default button: Enter (IDOK) and Esc (IDCANCEL) do nothing; the close box cancels.
  void OnCommand(int id, int /*notification_code*/) override {
    if (id == IDC_SCRIPT_DETAILS) return OnDetails();
    Dialog::OnCommand(id, 0);
  }

  void OnOk() override {
    if (ChooseCurrentSet(owner_ref(), ItemText(IDC_SCRIPT_SET_CHOICE, kChoiceBuffer),
                         records_.table, records_.settings, context().prompter)) {
      End(1);
    }
  }

  void OnDetails() {
    const DialogContext& outer = context();
    RunScriptDetailsDialog(DialogContext{outer.instance, window(), outer.font, outer.pickers,
                                         outer.prompter, outer.open_page},
                           records_);
    FillSetChoice();  // the titles may have changed
  }

  // The titles up to the first empty one; the current set's title as the edit text.
  void FillSetChoice() const {
    FillCombo(Item(IDC_SCRIPT_SET_CHOICE), SetChoiceTitles(records_.table));
    SetItemText(IDC_SCRIPT_SET_CHOICE, CurrentSet(records_.table, records_.settings).title.view());
  }

  const ScriptItemRecords records_;
};

}  // namespace

void RunScriptSettingsDialog(const DialogContext& context, const ScriptItemRecords& records) {
  ScriptSettingsDialog dialog(context, records);
  dialog.RunModal(IDD_SCRIPT_SETTINGS);
}

}  // namespace drawlot
