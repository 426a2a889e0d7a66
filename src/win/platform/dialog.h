// The skeleton every dialog of the program is built on. A dialog is a class derived from
// Dialog (or DataDialog, when it edits a copy of the caller's record); the object is the
// dialog's state, handed over as the create parameter and found again at WM_INITDIALOG. The
// procedure is guarded (no exception crosses the system's dialog code) and calls the On...
// handlers below. The search dialog (win/list/search_dialog.cpp) is the model to copy.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>

#include "core/platform/prompter.h"
#include "win/platform/help_pages.h"
#include "win/platform/pickers.h"

namespace drawlot {

// What a dialog may reach besides the records it edits.
struct DialogContext {
  HINSTANCE instance = nullptr;  // the resources: templates, icons, strings
  HWND owner = nullptr;          // the window the dialog is shown over
  HFONT font = nullptr;          // the editor font, for controls made at run time; may be none
  Pickers& pickers;
  Prompter& prompter;
  const PageOpener& open_page;  // the help pages
};

// The buttons the skeleton answers by itself, as the dialog's template numbers them. 0 is no
// such button. Enter sends IDOK and Esc IDCANCEL unless the template makes a button default.
struct DialogButtons {
  int ok = IDOK;                    // runs OnOk
  int cancel = IDCANCEL;            // runs OnCancel
  int help = 0;                     // opens help_page
  const char* help_page = nullptr;  // "Dw-HELP01.htm"
  bool enter_is_ok = false;         // IDOK runs OnOk as well as `ok`
  bool esc_cancels = true;          // IDCANCEL runs OnCancel as well as `cancel`
};

class Dialog {
 public:
  explicit Dialog(const DialogContext& context, const DialogButtons& buttons = {})
      : context_(context), buttons_(buttons) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Shows the dialog of resource `template_id` modally over the context's owner; the value
  // given to End (0 when the dialog could not be made or OnInit refused).
  INT_PTR RunModal(int template_id);
  // Shows it modeless and returns its window; End destroys it. The object must outlive it.
  HWND OpenModeless(int template_id);

  HWND window() const { return window_; }

 protected:
  // WM_INITDIALOG: fill the controls from the records. False ends the dialog with 0.
  virtual bool OnInit() { return true; }
  // WM_COMMAND: the buttons' OK goes to OnOk, their cancel to OnCancel, their help opens the
  // page; anything else nowhere. A dialog with more buttons answers them and calls this.
  virtual void OnCommand(int id, int notification_code);
  // WM_NOTIFY from a control.
  virtual void OnNotify(const NMHDR& /*header*/) {}
  // Read the controls back, write the records, End(1).
  virtual void OnOk() { End(1); }
  // The cancel button, Esc and the close box: End(0), the records untouched.
  virtual void OnCancel() { End(0); }
  // Any other message; FALSE lets the system handle it.
  virtual INT_PTR OnMessage(UINT /*message*/, WPARAM /*wparam*/, LPARAM /*lparam*/) {
    return FALSE;
  }

  void End(INT_PTR result);

  const DialogContext& context() const { return context_; }
  WindowRef owner_ref() const { return reinterpret_cast<WindowRef>(window_); }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  // The text of control `id`, at most `buffer_size` - 1 bytes, cut on a character boundary.
  std::string ItemText(int id, int buffer_size) const;
  void SetItemText(int id, std::string_view text) const;
  bool IsChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
  void Check(int id, bool checked = true) const {
    CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED);
  }
  // A box owned by the dialog.
  Answer Ask(std::string_view text, std::string_view title, Buttons buttons, Icon icon) const;
  void Tell(std::string_view text, std::string_view title, Icon icon) const {
    context_.prompter.Tell(owner_ref(), text, title, icon);
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);

  const DialogContext context_;
  const DialogButtons buttons_;
  HWND window_ = nullptr;
  bool modeless_ = false;
};

// Dispatches one message taken from the thread's queue. A key meant for a modeless dialog (the
// start-up environment dialog, an About box) goes through the dialog manager first, so that
// Tab, Enter and Esc work there as in a modal dialog; modal dialogs run their own loop.
void DispatchQueuedMessage(MSG& message);

// A dialog that edits a copy of the caller's record: the copy is taken when the dialog is
// made, the controls are filled from it at OnInit, and it goes back to the caller in Accept
// (the OK path) only; cancelling leaves the caller's record as it was.
template <typename Data>
class DataDialog : public Dialog {
 public:
  DataDialog(const DialogContext& context, Data& caller, const DialogButtons& buttons = {})
      : Dialog(context, buttons), caller_(caller), data_(caller) {}

 protected:
  Data& data() { return data_; }
  const Data& data() const { return data_; }
  // Writes the copy back to the caller and ends the dialog with 1.
  void Accept() {
    caller_ = data_;
    End(1);
  }

 private:
  Data& caller_;
  Data data_;
};

}  // namespace drawlot
