#include "win/platform/dialog.h"

#include "win/platform/callback_guard.h"
#include "win/platform/control_text.h"

namespace drawlot {

INT_PTR Dialog::RunModal(int template_id) {
  modeless_ = false;
  const INT_PTR result = DialogBoxParamA(context_.instance, MAKEINTRESOURCEA(template_id),
                                         context_.owner, Procedure, reinterpret_cast<LPARAM>(this));
  return result < 0 ? 0 : result;
}

HWND Dialog::OpenModeless(int template_id) {
  modeless_ = true;
  const HWND window = CreateDialogParamA(context_.instance, MAKEINTRESOURCEA(template_id),
                                         context_.owner, Procedure, reinterpret_cast<LPARAM>(this));
  if (window) ShowWindow(window, SW_SHOWNORMAL);
  return window;
}

void Dialog::End(INT_PTR result) {
  if (modeless_) {
    DestroyWindow(window_);
  } else {
    EndDialog(window_, result);
  }
}

void Dialog::OnCommand(int id, int /*notification_code*/) {
  if (id == 0) return;
  if (id == buttons_.ok || (id == IDOK && buttons_.enter_is_ok)) return OnOk();
  if (id == buttons_.cancel || (id == IDCANCEL && buttons_.esc_cancels)) return OnCancel();
  if (id == buttons_.help && buttons_.help_page)
    OpenHelpPage(context_.open_page, buttons_.help_page);
}

std::string Dialog::ItemText(int id, int buffer_size) const {
  return ReadControlText(GetDlgItem(window_, id), buffer_size);
}

void Dialog::SetItemText(int id, std::string_view text) const {
  SetDlgItemTextA(window_, id, std::string(text).c_str());
}

Answer Dialog::Ask(std::string_view text, std::string_view title, Buttons buttons,
                   Icon icon) const {
  return context_.prompter.Show(
      Message{owner_ref(), std::string(text), std::string(title), buttons, icon});
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
      return TRUE;
    case WM_CLOSE:
      OnCancel();
      return TRUE;
    default:
      return OnMessage(message, wparam, lparam);
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // Nothing may unwind through the system's dialog code.
  return CallOrFallback<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      auto* dialog = reinterpret_cast<Dialog*>(lparam);
      SetWindowLongPtrA(window, DWLP_USER, lparam);
      dialog->window_ = window;
      if (!dialog->OnInit()) dialog->End(0);
      return TRUE;
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog) return FALSE;
    return dialog->Dispatch(message, wparam, lparam);
  });
}

namespace {

bool IsDialogWindow(HWND window) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return std::string_view(class_name) == "#32770";
}

}  // namespace

void DispatchQueuedMessage(MSG& message) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogWindow(root) && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace drawlot
