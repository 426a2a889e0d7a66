#include "win/list/file_name_rules_dialog.h"

#include <array>
#include <optional>
#include <string>

#include "core/edit/edit_choices.h"
#include "core/list/file_name_rules_form.h"
#include "resources/resource_ids.h"
#include "win/platform/combo_box.h"
#include "win/platform/editor_controls.h"

namespace drawlot {
namespace {

constexpr UINT kPaperRefreshDelayMs = 500;
constexpr int kPrinterTextBuffer = 128;
// Wide enough for any text typed; the fields cut what they store.
constexpr int kTypedTextBuffer = 260;

class FileNameRulesDialog : public Dialog {
 public:
  FileNameRulesDialog(const DialogContext& context, FileNameRules& rules,
                      const PrinterCatalog& printers)
      : Dialog(context, {.ok = IDC_RULES_OK}), rules_(rules), printers_(printers) {}

 private:
  bool OnInit() override {
    const Choices printer_names = PrinterNames(printers_);
    for (int rule = 0; rule < kPrinterPaperRuleCount; ++rule) {
      const PrinterPaperRule& values = rules_.fp_ps[rule];
      FillCombo(Item(kRuleControls[rule].printer), printer_names);
      FillCombo(Item(kRuleControls[rule].paper),
                PaperNames(PrinterOrFirst(printers_, values.printer.view())));
      shown_printer_[rule] = values.printer.str();
    }
    ForEachRuleText(rules_, [this](int id, const auto& field) { SetItemText(id, field.view()); });
    ForEachRuleFlag(rules_, [this](int id, Flag flag) { Check(id, IsOn(flag)); });
    pending_rule_.reset();
    return true;
  }

  // Any notification of a printer box schedules one refresh of its rule's paper box.
  void OnCommand(int id, int /*notification_code*/) override {
    Dialog::OnCommand(id, 0);
    for (int rule = 0; rule < kPrinterPaperRuleCount; ++rule) {
      if (id != kRuleControls[rule].printer || pending_rule_) continue;
      pending_rule_ = rule;
      SetTimer(window(), TIMER_RULES_PAPER_REFRESH, kPaperRefreshDelayMs, nullptr);
    }
  }

  void RefreshPapers() {
    KillTimer(window(), TIMER_RULES_PAPER_REFRESH);
    if (!pending_rule_) return;
    const int rule = *pending_rule_;
    pending_rule_.reset();
    const std::string printer = ItemText(kRuleControls[rule].printer, kPrinterTextBuffer);
    const auto update =
        FollowPrinter(shown_printer_[rule], printer, printers_, UnknownPrinter::kKeepPapers);
    if (!update || !update->papers) return;
    FillCombo(Item(kRuleControls[rule].paper), *update->papers);
    SetItemText(kRuleControls[rule].paper, update->paper_text);
  }

  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM /*lparam*/) override {
    if (message != WM_TIMER || wparam != TIMER_RULES_PAPER_REFRESH) return FALSE;
    RefreshPapers();
    return TRUE;
  }

  void Store() {
    KillTimer(window(), TIMER_RULES_PAPER_REFRESH);
    ForEachRuleText(rules_,
                    [this](int id, auto& field) { field = ItemText(id, kTypedTextBuffer); });
    ForEachRuleFlag(rules_, [this](int id, Flag& flag) { flag = IsChecked(id) ? '1' : '0'; });
  }

  void OnOk() override {
    Store();
    End(1);
  }
  // The close box (and Esc) store as OK does.
  void OnCancel() override { OnOk(); }

  FileNameRules& rules_;
  const PrinterCatalog& printers_;
  std::array<std::string, kPrinterPaperRuleCount> shown_printer_;
  std::optional<int> pending_rule_;
};

}  // namespace

void RunFileNameRulesDialog(const DialogContext& context, FileNameRules& rules,
                            const PrinterCatalog& printers) {
  FileNameRulesDialog dialog(context, rules, printers);
  dialog.RunModal(IDD_NAME_RULES);
}

}  // namespace drawlot
