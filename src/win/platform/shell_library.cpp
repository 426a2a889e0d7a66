#include "win/platform/shell_library.h"

#include "win/platform/system_library.h"

namespace drawlot {
namespace {

constexpr char kShell[] = "shell32.dll";
constexpr char kCom[] = "ole32.dll";

// The window's thread is in the shell's apartment (the thread that entered it is the one that
// leaves it).
thread_local bool shell_apartment = false;

HRESULT EnterCom(DWORD model) {
  static const auto enter = SystemFunction<decltype(&CoInitializeEx)>(kCom, "CoInitializeEx");
  return enter ? enter(nullptr, model) : E_NOTIMPL;
}

void LeaveCom() {
  static const auto leave = SystemFunction<decltype(&CoUninitialize)>(kCom, "CoUninitialize");
  if (leave) leave();
}

UINT DragQueryFileOf(HDROP drop, UINT index, char* path, UINT size) {
  static const auto query = SystemFunction<decltype(&DragQueryFileA)>(kShell, "DragQueryFileA");
  return query ? query(drop, index, path, size) : 0;
}

}  // namespace

ComApartment::ComApartment(DWORD model) : entered_(SUCCEEDED(EnterCom(model))) {}

ComApartment::~ComApartment() {
  if (entered_) LeaveCom();
}

HRESULT CreateComObject(REFCLSID object, REFIID kind, void** out) {
  static const auto create =
      SystemFunction<decltype(&CoCreateInstance)>(kCom, "CoCreateInstance");
  if (!create) return E_NOTIMPL;
  return create(object, nullptr, CLSCTX_INPROC_SERVER, kind, out);
}

void EnterShellApartment() {
  if (shell_apartment) return;
  shell_apartment = SUCCEEDED(EnterCom(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void LeaveShellApartment() {
  if (!shell_apartment) return;
  shell_apartment = false;
  LeaveCom();
}

INT_PTR ShellOpen(HWND owner, const std::string& target) {
  static const auto execute = SystemFunction<decltype(&ShellExecuteA)>(kShell, "ShellExecuteA");
  if (!execute) return SE_ERR_NOASSOC;
  EnterShellApartment();
  return reinterpret_cast<INT_PTR>(
      execute(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

std::string BrowseForFolderPath(BROWSEINFOA& browse) {
  static const auto browse_for_folder =
      SystemFunction<decltype(&SHBrowseForFolderA)>(kShell, "SHBrowseForFolderA");
  static const auto path_of =
      SystemFunction<decltype(&SHGetPathFromIDListA)>(kShell, "SHGetPathFromIDListA");
  static const auto free_list = SystemFunction<decltype(&ILFree)>(kShell, "ILFree");
  if (!browse_for_folder || !path_of || !free_list) return {};
  EnterShellApartment();
  const LPITEMIDLIST chosen = browse_for_folder(&browse);
  if (!chosen) return {};
  char path[MAX_PATH] = {};
  const BOOL has_path = path_of(chosen, path);
  free_list(chosen);
  return has_path ? std::string(path) : std::string();
}

void AcceptDroppedFiles(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_ACCEPTFILES);
}

std::vector<std::string> TakeDroppedPaths(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileOf(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::string path(DragQueryFileOf(drop, index, nullptr, 0), '\0');
    DragQueryFileOf(drop, index, path.data(), static_cast<UINT>(path.size() + 1));
    paths.push_back(std::move(path));
  }
  static const auto finish = SystemFunction<decltype(&DragFinish)>(kShell, "DragFinish");
  if (finish) finish(drop);
  return paths;
}

}  // namespace drawlot
