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
    return true;
  }
  void OnOk() override {
    const std::optional<int> seconds =
        ParseTypedNumber(ItemText(IDC_RUN_LIMIT, kLimitBuffer), 0, kMaxTimeLimitSeconds);
    if (!seconds) {
      Tell("制限時間は0～86400秒で入力して下さい。", "入力エラー", Icon::kWarning);
      return;
    }
    data().time_limit_seconds = *seconds;
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
