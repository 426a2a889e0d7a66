#include "win/platform/editor_controls.h"

#include "win/platform/control_text.h"

#include <vector>

#include "win/platform/combo_box.h"

namespace drawlot {

HWND CreateEditorControl(HWND parent, HINSTANCE instance, HFONT font,
                         const EditorControl& control) {
  const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id));
  const HWND made =
      control.text_box
          ? CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, control.x,
                            control.y, control.width, control.height, parent, id, instance, nullptr)
          : CreateWindowExA(
                0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN,
                control.x, control.y, control.width, control.height, parent, id, instance, nullptr);
  if (!made) return nullptr;
  if (!control.text_box && control.choices) FillCombo(made, *control.choices);
  const std::string text(control.text);
  SetWindowTextA(made, text.c_str());
  SetEditorFont(made, font);
  return made;
}

std::string ControlText(HWND control, int buffer_size) {
  return ReadControlText(control, buffer_size);
}

void SetEditorFont(HWND control, HFONT font) {
  if (font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace drawlot
