// Answers the next common file dialog of this thread from inside its modal loop, through the
// modal answerer: it reads what the dialog shows, types a name and presses OK (or Cancel).
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "win/support/modal_answerer.h"

namespace drawlot::testing {

struct DialogAnswer {
  std::string type_name;  // typed into the name field before OK
  bool cancel = false;
  // What the dialog showed.
  bool seen = false;
  std::string title;
  std::string name_field;
  std::string folder;
  std::string first_type;
  std::string second_type;
  LRESULT chosen_type = -1;
  HWND owner = nullptr;
};

inline std::string TypeText(HWND types, int index) {
  char text[128] = {};
  SendMessageA(types, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

// Reads what the common file dialog shows into `answer`, then types its name and presses OK
// (or presses Cancel).
inline void AnswerFileDialog(HWND dialog, DialogAnswer& answer) {
  answer.seen = true;
  answer.title = WindowText(dialog);
  // The name field is a combo box (cmb13) in newer templates and an edit box (edt1) in older.
  HWND name = GetDlgItem(dialog, cmb13);
  if (!name) name = GetDlgItem(dialog, edt1);
  answer.name_field = WindowText(name);
  char folder[MAX_PATH + 1] = {};
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
  answer.folder = folder;
  const HWND types = GetDlgItem(dialog, cmb1);
  answer.first_type = TypeText(types, 0);
  answer.second_type = TypeText(types, 1);
  answer.chosen_type = SendMessageA(types, CB_GETCURSEL, 0, 0);
  answer.owner = GetWindow(dialog, GW_OWNER);
  if (answer.cancel) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  SetWindowTextA(name, answer.type_name.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// While it lives, the next dialog is answered with `answer`, which also receives what it showed.
class FileDialogAnswerer {
 public:
  explicit FileDialogAnswerer(DialogAnswer& answer)
      : answerer_("", [&answer](HWND dialog) { AnswerFileDialog(dialog, answer); }) {}

 private:
  ModalAnswerer answerer_;
};

}  // namespace drawlot::testing
