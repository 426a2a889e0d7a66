// Filling the list of a combo box (a dialog's drop-down or an editor's) with program texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace drawlot {

// Adds `text` at the end of the combo box's list (sorted only if the box itself sorts).
inline void AddComboText(HWND combo, std::string_view text) {
  const std::string terminated(text);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(terminated.c_str()));
}

// Adds every text of `texts` (strings or string views) in order.
template <typename Texts>
void AddComboTexts(HWND combo, const Texts& texts) {
  for (const auto& text : texts) AddComboText(combo, text);
}

// Empties the list first, then adds `texts` in order.
template <typename Texts>
void FillCombo(HWND combo, const Texts& texts) {
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  AddComboTexts(combo, texts);
}

}  // namespace drawlot
