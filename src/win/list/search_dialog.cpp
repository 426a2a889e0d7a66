#include "win/list/search_dialog.h"

#include "resources/resource_ids.h"
#include "win/platform/callback_guard.h"

namespace drawlot {
namespace {

// The search text is held in 256 bytes.
constexpr int kSearchTextBuffer = 256;

SearchState* StateOf(HWND dialog) {
  return reinterpret_cast<SearchState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, SearchState& state) {
  const HWND combo = GetDlgItem(dialog, IDC_SEARCH_TEXT);
  for (const std::string& text : OfferedSearchTexts(state)) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (!state.history[0].empty()) SetWindowTextA(combo, state.history[0].c_str());
}

void OnSearch(HWND dialog, SearchState& state) {
  char text[kSearchTextBuffer] = {};
  GetDlgItemTextA(dialog, IDC_SEARCH_TEXT, text, sizeof text);
  AcceptSearchText(state, text);
  EndDialog(dialog, 1);
}

INT_PTR Dispatch(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lparam);
    OnInitDialog(dialog, *reinterpret_cast<SearchState*>(lparam));
    return TRUE;
  }
  SearchState* state = StateOf(dialog);
  if (!state) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_SEARCH_START) OnSearch(dialog, *state);
      if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog, 0);
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK SearchDialogProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  // Nothing may unwind through the system's dialog code.
  return CallOrFallback<INT_PTR>(FALSE, [&] { return Dispatch(dialog, message, wparam, lparam); });
}

bool RunSearchDialog(HINSTANCE instance, HWND owner, SearchState& state) {
  return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SEARCH), owner, SearchDialogProcedure,
                         reinterpret_cast<LPARAM>(&state)) == 1;
}

}  // namespace drawlot
