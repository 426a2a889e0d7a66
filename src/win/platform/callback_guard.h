// The guard around every Win32 callback's dispatcher: no exception crosses a Win32 callback.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace drawlot {

// One line to the debugger's output for what a guard swallowed, so that a dropped message is
// visible while developing (DebugView, or Wine's +debugstr channel).
inline void ReportSwallowed(const char* what) noexcept {
  try {
    const std::string line =
        std::string("Drawlot: a callback dropped an exception: ") + what + "\n";
    OutputDebugStringA(line.c_str());
  } catch (...) {
    OutputDebugStringA("Drawlot: a callback dropped an exception\n");
  }
}

// Returns what `call` returns, or `fallback` when anything is thrown: nothing may unwind
// through the system's code that called the callback.
template <typename Result, typename Call>
Result CallOrFallback(Result fallback, Call&& call) noexcept {
  try {
    return call();
  } catch (const std::exception& error) {
    ReportSwallowed(error.what());
  } catch (...) {
    ReportSwallowed("not a std::exception");
  }
  return fallback;
}

}  // namespace drawlot
