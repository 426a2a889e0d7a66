// Small helpers for the run-time controls of the editors: drop-down lists and control texts.
#pragma once

#include <windows.h>

#include <string>

#include "core/edit/edit_choices.h"

namespace drawlot {

// Empties a drop-down's list and adds `choices` in order.
void FillDropDown(HWND box, const Choices& choices);

// A control's text as a buffer of `buffer_size` bytes holds it.
std::string ControlText(HWND control, int buffer_size);

// Gives a control the program's editor font.
void SetEditorFont(HWND control, HFONT font);

}  // namespace drawlot
