#include "win/env/environment_dialog.h"

#include <string>
#include <vector>

#include "core/env/environment_detection.h"
#include "core/text/cp932.h"
#include "resources/resource_ids.h"
#include "win/list/searching_window.h"
#include "win/platform/callback_guard.h"
#include "win/platform/empty_paint.h"

namespace drawlot {
namespace {

constexpr std::size_t kPathBytes = 259;
constexpr std::size_t kProhibitedEntryBytes = 62;
constexpr char kHelpPage[] = "https://www.harrowby.example/Dw-HELP01.htm";

// The modal copy ends with EndDialog, the modeless one is destroyed; each has a procedure of
// its own, and both work on the application's one settings record.
enum class Copy { kModal, kModeless };

Application* AppOf(HWND dialog) {
  return reinterpret_cast<Application*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string ItemText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  std::vector<char> text(GetWindowTextLengthA(control) + 1, '\0');
  GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
  return std::string(text.data());
}

// A path box's text as its field stores it: at most 259 bytes, never half a character.
std::string PathText(HWND dialog, int id) {
  const std::string text = ItemText(dialog, id);
  return text.substr(0, Cp932PrefixLength(text, kPathBytes));
}

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

void Close(HWND dialog, Copy copy) {
  if (copy == Copy::kModal) {
    EndDialog(dialog, 0);
  } else {
    DestroyWindow(dialog);
  }
}

void OnInitDialog(HWND dialog, const EnvironmentSettings& settings) {
  SetDlgItemTextA(dialog, IDC_ENV_AUTOCAD_FILE, settings.autocad_file.c_str());
  SetDlgItemTextA(dialog, IDC_ENV_TEMP_FILE, settings.temp_file.c_str());
  SetDlgItemTextA(dialog, IDC_ENV_END_FILE, settings.end_file_dwg.c_str());
  const HWND list = GetDlgItem(dialog, IDC_ENV_PROHIBITED_LIST);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  // Every entry that prohibits a printer is shown, also one stored after an empty entry.
  for (const FixedText<64>& entry : settings.prohibition_print) {
    if (!entry.empty())
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
  CheckDlgButton(dialog, IDC_ENV_PAPER_AB,
                 IsOn(settings.print_paper_ab) ? BST_CHECKED : BST_UNCHECKED);
}

void OnAddProhibited(HWND dialog) {
  std::string text = ItemText(dialog, IDC_ENV_PROHIBITED_TEXT);
  text.resize(Cp932PrefixLength(text, kProhibitedEntryBytes));
  SendDlgItemMessageA(dialog, IDC_ENV_PROHIBITED_LIST, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(text.c_str()));
}

void OnDeleteProhibited(HWND dialog) {
  const LRESULT selected = SendDlgItemMessageA(dialog, IDC_ENV_PROHIBITED_LIST, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) {
    SendDlgItemMessageA(dialog, IDC_ENV_PROHIBITED_LIST, LB_DELETESTRING, selected, 0);
  }
}

// The typed path is kept even when the picker is then cancelled.
void OnBrowse(HWND dialog, Application& app, const PathBox& box) {
  FixedText<260>& field = app.settings.*box.field;
  field = PathText(dialog, box.edit);
  FileDialogRequest request;
  request.owner = reinterpret_cast<WindowRef>(dialog);
  request.kind = FileDialogKind::kOpen;
  request.title = box.title;
  request.filters = box.filters;
  request.initial_name = field.str();
  request.hide_read_only = true;
  if (const std::optional<std::string> picked = app.file_name_picker->PickFileName(request)) {
    field = *picked;
    SetDlgItemTextA(dialog, box.edit, field.c_str());
  }
}

void OnDetect(HWND dialog, Application& app) {
  HWND waiting = nullptr;
  const auto show_waiting = [&](bool shown) {
    if (shown) {
      waiting = ShowSearchingWindow(app.instance, dialog);
    } else if (waiting) {
      CloseSearchingWindow(waiting);
    }
  };
  const std::optional<DetectedPaths> paths =
      DetectEnvironment(*app.drawing_sources.files, app.startup_folder, app.prompter,
                        reinterpret_cast<WindowRef>(dialog), show_waiting);
  if (!paths) return;
  SetDlgItemTextA(dialog, IDC_ENV_AUTOCAD_FILE, paths->autocad_file.c_str());
  SetDlgItemTextA(dialog, IDC_ENV_TEMP_FILE, paths->temp_file.c_str());
  SetDlgItemTextA(dialog, IDC_ENV_END_FILE, paths->end_file_dwg.c_str());
}

std::string ListEntry(HWND list, int index) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return std::string();
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data());
}

// The first 16 non-empty entries in list order; an empty one prohibits nothing and would
// only hide the entries after it.
void StoreProhibited(HWND dialog, ProhibitedPrinters& prohibited) {
  const HWND list = GetDlgItem(dialog, IDC_ENV_PROHIBITED_LIST);
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (auto& entry : prohibited) entry.Clear();
  std::size_t stored = 0;
  for (int k = 0; k < count && stored < prohibited.size(); ++k) {
    const std::string entry = ListEntry(list, k);
    if (!entry.empty()) prohibited[stored++] = entry;
  }
}

void OnOk(HWND dialog, EnvironmentSettings& settings) {
  settings.autocad_file = PathText(dialog, IDC_ENV_AUTOCAD_FILE);
  settings.temp_file = PathText(dialog, IDC_ENV_TEMP_FILE);
  settings.end_file_dwg = PathText(dialog, IDC_ENV_END_FILE);
  StoreProhibited(dialog, settings.prohibition_print);
  settings.print_paper_ab = IsDlgButtonChecked(dialog, IDC_ENV_PAPER_AB) == BST_CHECKED ? '1' : '0';
}

void OnCommand(HWND dialog, Application& app, Copy copy, int id) {
  if (const PathBox* box = PathBoxOf(id)) return OnBrowse(dialog, app, *box);
  switch (id) {
    case IDC_ENV_PROHIBITED_ADD:
      return OnAddProhibited(dialog);
    case IDC_ENV_PROHIBITED_DELETE:
      return OnDeleteProhibited(dialog);
    case IDC_ENV_DETECT:
      return OnDetect(dialog, app);
    case IDC_ENV_OK:
      OnOk(dialog, app.settings);
      return Close(dialog, copy);
    case IDC_ENV_CANCEL:
    case IDCANCEL:
      return Close(dialog, copy);
    case IDC_ENV_HELP:
      if (app.open_web_page) app.open_web_page(kHelpPage);
      return;
    default:
      return;
  }
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam, Copy copy) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    OnInitDialog(dialog, reinterpret_cast<Application*>(lparam)->settings);
    return TRUE;
  }
  Application* app = AppOf(dialog);
  if (!app) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(dialog, *app, copy, LOWORD(wparam));
      return TRUE;
    case WM_CLOSE:
      Close(dialog, copy);
      return TRUE;
    case WM_PAINT:
      PaintNothing(dialog);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK ModalProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallOrFallback<INT_PTR>(
      FALSE, [&] { return Dispatch(dialog, message, wparam, lparam, Copy::kModal); });
}

INT_PTR CALLBACK ModelessProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallOrFallback<INT_PTR>(
      FALSE, [&] { return Dispatch(dialog, message, wparam, lparam, Copy::kModeless); });
}

}  // namespace

void RunEnvironmentDialog(Application& app) {
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_ENVIRONMENT), app.main_window, ModalProcedure,
                  reinterpret_cast<LPARAM>(&app));
}

HWND OpenEnvironmentDialog(Application& app) {
  const HWND dialog =
      CreateDialogParamA(app.instance, MAKEINTRESOURCEA(IDD_ENVIRONMENT), app.main_window,
                         ModelessProcedure, reinterpret_cast<LPARAM>(&app));
  if (dialog) ShowWindow(dialog, SW_SHOW);
  return dialog;
}

}  // namespace drawlot
