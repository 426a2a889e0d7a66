// A function of a system library that only some commands need, found the first time it is
// asked for. Importing such a library makes the loader map it (and whatever it imports) before
// any of the program's code runs: winspool.drv, for one, reads the whole printer list there,
// and comdlg32.dll imports winspool.drv. Loaded this way, a start-up pays only for what it uses.
// The library stays loaded until the process ends; a library or function that is not there
// gives nullptr, which the caller takes as the call having failed.
#pragma once

#include <windows.h>

namespace drawlot {

// The address of `name` in `library` as a pointer of type Function, or nullptr. Callers keep
// it in a function-local static, so each is looked up once (and safely from any thread):
//   static const auto enum_printers =
//       SystemFunction<decltype(&EnumPrintersA)>("winspool.drv", "EnumPrintersA");
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) module = LoadLibraryA(library);  // systems without the search flags
  if (!module) return nullptr;
  // Through void*: FARPROC is a function type of its own, which GCC warns of casting from.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace drawlot
