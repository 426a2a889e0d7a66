// Answers the next common file dialog of this thread from inside its modal loop: a thread
// timer reads what the dialog shows, types a name and presses OK (or presses Cancel).
#pragma once

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <string>

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

inline DialogAnswer* g_answer = nullptr;  // timer procedures have no parameter of their own

inline BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

inline std::string TypeText(HWND types, int index) {
  char text[128] = {};
  SendMessageA(types, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

// Reads what the file dialog `dialog` shows into `answer`, then types the answer's name and
// presses OK, or presses Cancel.
inline void AnswerFileDialog(HWND dialog, DialogAnswer& answer) {
  answer.seen = true;
  char text[300] = {};
  GetWindowTextA(dialog, text, sizeof text);
  answer.title = text;
  // The name field is a combo box (cmb13) in newer templates and an edit box (edt1) in older.
  HWND name = GetDlgItem(dialog, cmb13);
  if (!name) name = GetDlgItem(dialog, edt1);
  GetWindowTextA(name, text, sizeof text);
  answer.name_field = text;
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

inline void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || !g_answer) return;
  KillTimer(nullptr, timer);
  AnswerFileDialog(dialog, *g_answer);
}

// While it lives, the next dialog is answered with `answer`, which also receives what it showed.
class FileDialogAnswerer {
 public:
  explicit FileDialogAnswerer(DialogAnswer& answer) {
    g_answer = &answer;
    timer_ = SetTimer(nullptr, 0, 50, AnswerDialog);
  }
  ~FileDialogAnswerer() {
    KillTimer(nullptr, timer_);
    g_answer = nullptr;
  }
  FileDialogAnswerer(const FileDialogAnswerer&) = delete;
  FileDialogAnswerer& operator=(const FileDialogAnswerer&) = delete;

 private:
  UINT_PTR timer_ = 0;
};

}  // namespace drawlot::testing
