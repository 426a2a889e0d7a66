// The controls the editors make at run time (the edit dialog's inputs, the in-place cell
// editor): a text box or a drop-down in the editor font, and reading their texts back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/edit/edit_choices.h"

namespace drawlot {

// What one editor control is: a text box (EDIT, topmost) or a drop-down (COMBOBOX) with its
// choices, its child id, where it goes in the parent's client area, and its first text.
struct EditorControl {
  bool text_box = true;
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  const Choices* choices = nullptr;  // the drop-down's list; none for a text box
  std::string_view text;
};

// Makes the control as a child of `parent`, fills a drop-down's list, sets the text and the
// editor font. Null when the system cannot make it. The focus and z-order are the caller's.
HWND CreateEditorControl(HWND parent, HINSTANCE instance, HFONT font, const EditorControl& control);

// A control's text as a buffer of `buffer_size` bytes holds it.
std::string ControlText(HWND control, int buffer_size);

// Gives a control the program's editor font.
void SetEditorFont(HWND control, HFONT font);

}  // namespace drawlot
