// An Application whose drawing list is a real list view in a hidden window, with the columns
// file name, folder and date.
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
#include "support/script_items.h"
#include "win/app/application.h"
#include "win/app/drawing_sources.h"
#include "win/support/hidden_list_view.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {

using Texts = std::vector<std::string>;

class AddingFixture : public ::testing::Test {
 protected:
  AddingFixture() {
    app.main_window = view.list() ? GetParent(view.list()) : nullptr;
    app.drawing_list = view.list();
    app.rows = std::make_unique<ListViewRowStore>(view.list());
    ItemSlots& items = app.items.sets[0].items;
    items[0] = Item("ファイル名").display(1).width(100);
    items[1] = Item("フォルダ").display(2).width(100);
    items[2] = Item("日時").display(3).width(100);
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
  DrawingSources& sources = app.drawing_sources;
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
