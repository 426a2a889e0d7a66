// An Application whose drawing list is a real list view in a hidden window, with the columns
// file name, folder and date, and a helper that answers a modal dialog from a thread timer:
// the timer runs inside the dialog's own loop, finds the dialog and runs a script on it.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "support/recording_prompter.h"
#include "win/app/application.h"
#include "win/list/drawing_sources.h"
#include "win/support/hidden_list_view.h"

namespace drawlot::testing {

using Texts = std::vector<std::string>;

inline ScriptItem ShownItem(const char* title, int display_mode) {
  ScriptItem item;
  item.present = 1;
  item.title = title;
  item.display_mode = display_mode;
  item.width = 100;
  return item;
}

class AddingFixture : public ::testing::Test {
 protected:
  AddingFixture() {
    app.main_window = view.list() ? GetParent(view.list()) : nullptr;
    app.drawing_list = view.list();
    app.rows = std::make_unique<ListViewRowStore>(view.list());
    ItemSlots& items = app.items.sets[0].items;
    items[0] = ShownItem("ファイル名", 1);
    items[1] = ShownItem("フォルダ", 2);
    items[2] = ShownItem("日時", 3);
    app.settings.autocad_type = '0';
    BuildColumns(*app.rows, app.current_items());
  }

  Texts Column(int column) {
    Texts texts;
    for (int row = 0; row < app.rows->RowCount(); ++row) {
      texts.push_back(app.rows->GetCell(row, column, 260));
    }
    return texts;
  }
  std::vector<int> Icons() {
    std::vector<int> icons;
    for (int row = 0; row < app.rows->RowCount(); ++row) icons.push_back(app.rows->IconOf(row));
    return icons;
  }
  Texts Boxes() {
    Texts texts;
    for (const Message& box : prompter.shown) texts.push_back(box.text + " / " + box.title);
    return texts;
  }

  HiddenListView view;
  RecordingPrompter prompter;
  Application app{"", prompter, GetModuleHandleA(nullptr)};
  DrawingSources sources;
};

inline std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Answers the next visible dialog of this thread whose caption is `title` (any caption when
// empty): `script` runs once on it from a timer (30 ms) inside the dialog's modal loop.
class DialogAnswerer {
 public:
  // `ready`, when given, holds the answer back until the dialog has settled into the state
  // the test needs (the folder browser selects its start folder some time after it shows).
  // After about ten seconds the answer goes anyway, so a test fails rather than hangs.
  DialogAnswerer(std::string title, std::function<void(HWND)> script,
                 std::function<bool(HWND)> ready = nullptr)
      : title_(std::move(title)), script_(std::move(script)), ready_(std::move(ready)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~DialogAnswerer() {
    if (timer_) KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

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

  static inline DialogAnswerer* current_ = nullptr;
  std::string title_;
  std::function<void(HWND)> script_;
  std::function<bool(HWND)> ready_;
  int waited_ticks_ = 0;
  UINT_PTR timer_ = 0;
  bool answered_ = false;
};

// The text of the selected item of the first tree view in `dialog` (the folder browser's).
inline std::string SelectedTreeText(HWND dialog) {
  HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
  for (HWND child = GetWindow(dialog, GW_CHILD); !tree && child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    tree = FindWindowExA(child, nullptr, "SysTreeView32", nullptr);
  }
  if (!tree) return {};
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return {};
  char text[MAX_PATH] = {};
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

// Sets a file's last-write time to a local time.
inline bool SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour,
                              WORD minute) {
  SYSTEMTIME local{year, month, 0, day, hour, minute, 0, 0};
  FILETIME local_time{};
  FILETIME utc{};
  if (!SystemTimeToFileTime(&local, &local_time) || !LocalFileTimeToFileTime(&local_time, &utc)) {
    return false;
  }
  const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL set = SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);
  return set != 0;
}

}  // namespace drawlot::testing
