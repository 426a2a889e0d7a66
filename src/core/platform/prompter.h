// Every message box of the program goes through a Prompter, so that the core can ask and warn
// without knowing the platform, and tests can record each box and answer it from a script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace drawlot {

// An opaque window handle: 0 is "no owner". The Win32 shell passes HWNDs through it.
using WindowRef = std::uintptr_t;

// The values are those of the Win32 MB_* and ID* constants, so the real prompter passes them
// straight through (checked there with static_asserts).
enum class Buttons : unsigned { kOk = 0x0, kOkCancel = 0x1, kYesNoCancel = 0x3, kYesNo = 0x4 };
enum class Icon : unsigned {
  kNone = 0x00,
  kError = 0x10,
  kQuestion = 0x20,
  kWarning = 0x30,
  kInformation = 0x40
};
enum class Answer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

struct Message {
  WindowRef owner = 0;
  std::string text;
  std::string title;
  Buttons buttons = Buttons::kOk;
  Icon icon = Icon::kNone;
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual Answer Show(const Message& message) = 0;

  // The common case: an OK box.
  void Tell(WindowRef owner, std::string_view text, std::string_view title, Icon icon) {
    Show(Message{owner, std::string(text), std::string(title), Buttons::kOk, icon});
  }
};

}  // namespace drawlot
