// The guard around every Win32 callback's dispatcher: no exception crosses a Win32 callback.
#pragma once

namespace drawlot {

// Returns what `call` returns, or `fallback` when anything is thrown: nothing may unwind
// through the system's code that called the callback.
template <typename Result, typename Call>
Result CallOrFallback(Result fallback, Call&& call) noexcept {
  try {
    return call();
  } catch (...) {
    return fallback;
  }
}

}  // namespace drawlot
