// How long adding a folder of 5,000 drawings takes through the real list view, against a bare
// FindFirstFileA enumeration of the same folder. Prints figures; asserts nothing.
// Run under Wine: tools/wine-run.sh drawlot_add_folder_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "core/list/add_drawings.h"
#include "core/list/list_rows.h"
#include "core/text/decimal.h"
#include "support/script_items.h"
#include "timing_clock.h"
#include "timing_list.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/list_view_row_store.h"
#include "win/platform/win32_file_system.h"

namespace {

using drawlot::testing::Item;

constexpr int kDrawings = 5000;

using drawlot::timing::Now;

int BareEnumeration(const std::string& pattern) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "\\*.dwg").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main() {
  const HWND list = drawlot::timing::CreateTimingList();
  drawlot::ListViewRowStore rows(list);
  drawlot::ItemSlots items{};
  items[0] = Item("ファイル名").display(1).width(80);
  items[1] = Item("フォルダ").display(2).width(80);
  items[2] = Item("日時").display(3).width(80);
  items[3] = Item("出力先").display(4).initial("PRN-1").width(80);
  items[4] = Item("用紙").display(4).initial("A3").width(80);
  items[5] = Item("向き").display(4).initial("縦").width(80);
  drawlot::BuildColumns(rows, items);

  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "drawlot_timing_図面";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < kDrawings; ++i) {
    const std::string path = folder + "\\図面" + drawlot::FormatDecimal(i) + ".dwg";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }

  const std::string pattern = folder + "\\*.dwg";
  double start = Now();
  const int enumerated = BareEnumeration(pattern);
  const double bare_ms = Now() - start;

  drawlot::Win32FileSystem files;
  start = Now();
  const std::size_t listed = files.List(pattern).size();
  const double listing_ms = Now() - start;

  drawlot::RowTagSource tags;
  drawlot::EnvironmentSettings settings{};
  struct : drawlot::Prompter {
    drawlot::Answer Show(const drawlot::Message&) override { return drawlot::Answer::kOk; }
  } silent;
  drawlot::AddingContext context{rows, items, tags, settings, files, silent, 0};
  start = Now();
  const int added = drawlot::AddMatchingFiles(context, folder, drawlot::DrawingKind::kDwg, 0);
  const double adding_ms = Now() - start;

  rows.DeleteAllRows();
  double paused_ms = 0;
  {
    drawlot::ListRedrawPause pause(list);
    start = Now();
    drawlot::AddMatchingFiles(context, folder, drawlot::DrawingKind::kDwg, 0);
    paused_ms = Now() - start;
  }

  std::printf("bare FindFirstFileA enumeration: %d files in %.1f ms\n", enumerated, bare_ms);
  std::printf("Win32FileSystem listing:         %zu entries in %.1f ms\n", listed, listing_ms);
  std::printf("AddMatchingFiles into list view: %d rows in %.1f ms\n", added, adding_ms);
  std::printf("  the same with repainting paused:    %.1f ms\n", paused_ms);
  RemoveFolder(folder);
  DestroyWindow(GetParent(list));
  return 0;
}
