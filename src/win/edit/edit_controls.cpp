#include "win/edit/edit_controls.h"

#include "win/platform/control_text.h"

namespace drawlot {

void FillDropDown(HWND box, const Choices& choices) {
  SendMessageA(box, CB_RESETCONTENT, 0, 0);
  for (const std::string& choice : choices) {
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
  }
}

std::string ControlText(HWND control, int buffer_size) {
  return ReadControlText(control, buffer_size);
}

void SetEditorFont(HWND control, HFONT font) {
  if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace drawlot
