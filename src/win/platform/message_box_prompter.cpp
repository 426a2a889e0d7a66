#include "win/platform/message_box_prompter.h"

#include <windows.h>

namespace drawlot {

static_assert(static_cast<unsigned>(Buttons::kOk) == MB_OK);
static_assert(static_cast<unsigned>(Buttons::kOkCancel) == MB_OKCANCEL);
static_assert(static_cast<unsigned>(Buttons::kYesNoCancel) == MB_YESNOCANCEL);
static_assert(static_cast<unsigned>(Buttons::kYesNo) == MB_YESNO);
static_assert(static_cast<unsigned>(Icon::kError) == MB_ICONERROR);
static_assert(static_cast<unsigned>(Icon::kQuestion) == MB_ICONQUESTION);
static_assert(static_cast<unsigned>(Icon::kWarning) == MB_ICONWARNING);
static_assert(static_cast<unsigned>(Icon::kInformation) == MB_ICONINFORMATION);
static_assert(static_cast<int>(Answer::kOk) == IDOK &&
              static_cast<int>(Answer::kCancel) == IDCANCEL);
static_assert(static_cast<int>(Answer::kYes) == IDYES && static_cast<int>(Answer::kNo) == IDNO);

Answer MessageBoxPrompter::Show(const Message& message) {
  const UINT style = static_cast<UINT>(message.buttons) | static_cast<UINT>(message.icon);
  const int answer = MessageBoxA(reinterpret_cast<HWND>(message.owner), message.text.c_str(),
                                 message.title.c_str(), style);
  return static_cast<Answer>(answer);
}

}  // namespace drawlot
