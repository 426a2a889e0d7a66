// Answers a modal dialog or message box of this thread from inside its own modal loop: a
// thread timer finds the window, and a script reads it and presses its buttons, as a user
// would. Under Wine an undismissed modal window blocks forever; this is how tests get past one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace drawlot::testing {

inline std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Answers the next visible dialog of this thread whose caption is `title` (any caption when
// empty): `script` runs once on it from a timer (30 ms) inside the dialog's modal loop.
class ModalAnswerer {
 public:
  // `ready`, when given, holds the answer back until the dialog has settled into the state
  // the test needs (the folder browser selects its start folder some time after it shows).
  // After about ten seconds the answer goes anyway, so a test fails rather than hangs.
  ModalAnswerer(std::string title, std::function<void(HWND)> script,
                std::function<bool(HWND)> ready = nullptr)
      : title_(std::move(title)), script_(std::move(script)), ready_(std::move(ready)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~ModalAnswerer() {
    if (timer_) KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  bool answered() const { return answered_; }

 private:
  static BOOL CALLBACK Find(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    if (!current_->title_.empty() && WindowText(window) != current_->title_) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!current_ || current_->answered_) return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), Find, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    if (current_->ready_ && !current_->ready_(dialog) && ++current_->waited_ticks_ < 330) return;
    current_->answered_ = true;
    KillTimer(nullptr, current_->timer_);
    current_->timer_ = 0;
    current_->script_(dialog);
  }

  static inline ModalAnswerer* current_ = nullptr;
  std::string title_;
  std::function<void(HWND)> script_;
  std::function<bool(HWND)> ready_;
  int waited_ticks_ = 0;
  UINT_PTR timer_ = 0;
  bool answered_ = false;
};

}  // namespace drawlot::testing
