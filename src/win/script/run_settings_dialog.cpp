#include "win/script/run_settings_dialog.h"

#include <optional>
#include <string>

#include "core/text/decimal.h"

#include "resources/resource_ids.h"

namespace drawlot {
namespace {

constexpr int kLimitBuffer = 16;

class RunSettingsDialog : public DataDialog<RunSettings> {
 public:
  RunSettingsDialog(const DialogContext& context, RunSettings& settings)
      : DataDialog(context, settings,
                   {.ok = IDC_RUN_OK,
                    .cancel = IDC_RUN_CANCEL,
                    .help = IDC_RUN_HELP,
                    .help_page = "Dw-HELP01.htm",
                    .enter_is_ok = true}) {}

 private:
  bool OnInit() override {
    SendMessageA(Item(IDC_RUN_LIMIT), EM_LIMITTEXT, kLimitBuffer - 1, 0);
    SetItemText(IDC_RUN_LIMIT, std::to_string(data().time_limit_seconds));
    Check(IDC_RUN_CHECK_MISSING, data().check_missing);
    Check(IDC_RUN_RECORD, data().record);
    SetNumber(IDC_RUN_PER_START, data().drawings_per_start);
    SetNumber(IDC_RUN_PARALLEL, data().parallel);
    return true;
  }
  void SetNumber(int id, int value) {
    SendMessageA(Item(id), EM_LIMITTEXT, kLimitBuffer - 1, 0);
    SetItemText(id, std::to_string(value));
  }
  void OnOk() override {
    const std::optional<int> seconds =
        ParseTypedNumber(ItemText(IDC_RUN_LIMIT, kLimitBuffer), 0, kMaxTimeLimitSeconds);
    if (!seconds) {
      Tell("制限時間は0～86400秒で入力して下さい。", "入力エラー", Icon::kWarning);
      return;
    }
    const std::optional<int> per_start =
        ParseTypedNumber(ItemText(IDC_RUN_PER_START, kLimitBuffer), 1, kMaxDrawingsPerStart);
    if (!per_start) {
      Tell("１回の起動の図面数は1～50で入力して下さい。", "入力エラー", Icon::kWarning);
      return;
    }
    const std::optional<int> parallel =
        ParseTypedNumber(ItemText(IDC_RUN_PARALLEL, kLimitBuffer), 1, kMaxParallel);
    if (!parallel) {
      Tell("同時に動かすAutoCADの数は1～8で入力して下さい。", "入力エラー", Icon::kWarning);
      return;
    }
    data().time_limit_seconds = *seconds;
    data().drawings_per_start = *per_start;
    data().parallel = *parallel;
    data().check_missing = IsChecked(IDC_RUN_CHECK_MISSING);
    data().record = IsChecked(IDC_RUN_RECORD);
    Accept();
  }
};

}  // namespace

bool RunRunSettingsDialog(const DialogContext& context, RunSettings& settings) {
  RunSettingsDialog dialog(context, settings);
  return dialog.RunModal(IDD_RUN_SETTINGS) == 1;
}

}  // namespace drawlot
