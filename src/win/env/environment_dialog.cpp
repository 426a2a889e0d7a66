#include "win/env/environment_dialog.h"

#include <vector>

#include "core/env/environment_detection.h"
#include "resources/resource_ids.h"
#include "win/platform/empty_paint.h"
#include "win/platform/searching_window.h"

namespace drawlot {
namespace {

constexpr int kPathBuffer = 260;            // 259 bytes of path
constexpr int kProhibitedEntryBuffer = 63;  // 62 bytes read from the entry box

struct PathBox {
  int edit;
  FixedText<260> EnvironmentSettings::*field;
  const char* title;
  std::vector<FileFilter> filters;
};

const PathBox* PathBoxOf(int browse_button) {
  static const PathBox kBoxes[] = {
      {IDC_ENV_AUTOCAD_FILE,
       &EnvironmentSettings::autocad_file,
       "AutoCadの在処を指定",
       {{"AutoCad(*.exe)", "*.exe"}, {"ALLFile(*.*)", "*.*"}}},
      {IDC_ENV_TEMP_FILE,
       &EnvironmentSettings::temp_file,
       "スクリプトファイルを一時保管する場所を指定",
       {{"Temp(*.scr)", "*.scr"}, {"ALLFile(*.*)", "*.*"}}},
      {IDC_ENV_END_FILE,
       &EnvironmentSettings::end_file_dwg,
       "EndFile.dwgの在処を指定",
       {{"EndFile(*.dwg)", "*.dwg"}, {"ALLFile(*.*)", "*.*"}}},
  };
  switch (browse_button) {
    case IDC_ENV_BROWSE_AUTOCAD:
      return &kBoxes[0];
    case IDC_ENV_BROWSE_TEMP:
      return &kBoxes[1];
    case IDC_ENV_BROWSE_END:
      return &kBoxes[2];
    default:
      return nullptr;
  }
}

std::string ListEntry(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data());
}

class EnvironmentDialog : public Dialog {
 public:
  EnvironmentDialog(const DialogContext& context, const EnvironmentRecords& records)
      : Dialog(context, {.ok = IDC_ENV_OK,
                         .cancel = IDC_ENV_CANCEL,
                         .help = IDC_ENV_HELP,
                         .help_page = "Dw-HELP01.htm"}),
        records_(records) {}

 protected:
  bool OnInit() override {
    const EnvironmentSettings& settings = records_.settings;
    SetItemText(IDC_ENV_AUTOCAD_FILE, settings.autocad_file.view());
    SetItemText(IDC_ENV_TEMP_FILE, settings.temp_file.view());
    SetItemText(IDC_ENV_END_FILE, settings.end_file_dwg.view());
    const HWND list = Item(IDC_ENV_PROHIBITED_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // Every entry that prohibits a printer is shown, also one stored after an empty entry.
    for (const FixedText<64>& entry : settings.prohibition_print) {
      if (!entry.empty()) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
      }
    }
    Check(IDC_ENV_PAPER_AB, IsOn(settings.print_paper_ab));
    return true;
  }

  void OnCommand(int id, int) override {
    if (const PathBox* box = PathBoxOf(id)) return Browse(*box);
    switch (id) {
      case IDC_ENV_PROHIBITED_ADD:
        return AddProhibited();
      case IDC_ENV_PROHIBITED_DELETE:
        return DeleteProhibited();
      case IDC_ENV_DETECT:
        return Detect();
      default:
        return Dialog::OnCommand(id, 0);
    }
  }

  void OnOk() override {
    EnvironmentSettings& settings = records_.settings;
    settings.autocad_file = ItemText(IDC_ENV_AUTOCAD_FILE, kPathBuffer);
    settings.temp_file = ItemText(IDC_ENV_TEMP_FILE, kPathBuffer);
    settings.end_file_dwg = ItemText(IDC_ENV_END_FILE, kPathBuffer);
    StoreProhibited(settings.prohibition_print);
    settings.print_paper_ab = IsChecked(IDC_ENV_PAPER_AB) ? '1' : '0';
    End(1);
  }

  INT_PTR OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message != WM_PAINT) return FALSE;
    PaintNothing(window());
    return TRUE;
  }

 private:
  void AddProhibited() {
    const std::string text = ItemText(IDC_ENV_PROHIBITED_TEXT, kProhibitedEntryBuffer);
    SendMessageA(Item(IDC_ENV_PROHIBITED_LIST), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
  }

  void DeleteProhibited() {
    const HWND list = Item(IDC_ENV_PROHIBITED_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendMessageA(list, LB_DELETESTRING, selected, 0);
  }

  // The first 16 non-empty entries in list order; an empty one prohibits nothing and would
  // only hide the entries after it.
  void StoreProhibited(ProhibitedPrinters& prohibited) const {
    const HWND list = Item(IDC_ENV_PROHIBITED_LIST);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (auto& entry : prohibited) entry.Clear();
    std::size_t stored = 0;
    for (int k = 0; k < count && stored < prohibited.size(); ++k) {
      const std::string entry = ListEntry(list, k);
      if (!entry.empty()) prohibited[stored++] = entry;
    }
  }

  // The typed path is kept even when the picker is then cancelled.
  void Browse(const PathBox& box) {
    FixedText<260>& field = records_.settings.*box.field;
    field = ItemText(box.edit, kPathBuffer);
    FileDialogRequest request;
    request.owner = owner_ref();
    request.kind = FileDialogKind::kOpen;
    request.title = box.title;
    request.filters = box.filters;
    request.initial_name = field.str();
    request.hide_read_only = true;
    if (const std::optional<std::string> picked =
            context().pickers.file_name->PickFileName(request)) {
      field = *picked;
      SetItemText(box.edit, field.view());
    }
  }

  void Detect() {
    HWND waiting = nullptr;
    const auto show_waiting = [&](bool shown) {
      if (shown) {
        waiting = ShowSearchingWindow(context().instance, window());
      } else if (waiting) {
        CloseSearchingWindow(waiting);
      }
    };
    const std::optional<DetectedPaths> paths = DetectEnvironment(
        records_.files, records_.startup_folder, context().prompter, owner_ref(), show_waiting);
    if (!paths) return;
    SetItemText(IDC_ENV_AUTOCAD_FILE, paths->autocad_file);
    SetItemText(IDC_ENV_TEMP_FILE, paths->temp_file);
    SetItemText(IDC_ENV_END_FILE, paths->end_file_dwg);
  }

  EnvironmentRecords records_;
};

}  // namespace

void RunEnvironmentDialog(const DialogContext& context, const EnvironmentRecords& records) {
  EnvironmentDialog dialog(context, records);
  dialog.RunModal(IDD_ENVIRONMENT);
}

std::unique_ptr<Dialog> OpenEnvironmentDialog(const DialogContext& context,
                                              const EnvironmentRecords& records) {
  auto dialog = std::make_unique<EnvironmentDialog>(context, records);
  if (!dialog->OpenModeless(IDD_ENVIRONMENT)) return nullptr;
  return dialog;
}

}  // namespace drawlot
