// How long the real list view takes to load a 10,000-row "listview.ini" and to sort it by a
// header click (first column, then the numeric fourth column). Prints figures; asserts nothing.
// Run under Wine: tools/wine-run.sh drawlot_list_view_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "core/list/list_file.h"
#include "core/list/list_sort.h"
#include "core/text/decimal.h"
#include "timing_list.h"
#include "win/platform/list_redraw_pause.h"
#include "win/platform/list_view_row_store.h"

namespace {

constexpr int kRows = 10000;

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

// Rows like a plotting list: file name, folder, date, a number, printer, paper, ...
std::string ListFileBytes() {
  std::string bytes = "max_cont=" + drawlot::FormatDecimal(kRows) + "\r\n";
  for (int row = 0; row < kRows; ++row) {
    const int scrambled = (row * 7919) % kRows;
    bytes += "図面" + drawlot::FormatDecimal(scrambled) + ".dwg;c:\\図面\\表;2024/03/05 14:07;" +
             drawlot::FormatDecimal(kRows - scrambled) + ";PRN-1;A3;;縦;;図面範囲";
    for (int field = 10; field < 31; ++field) bytes += ";";
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

int main() {
  const HWND list = drawlot::timing::CreateTimingList();
  drawlot::ListViewRowStore rows(list);
  for (int column = 0; column < 11; ++column) rows.InsertColumn(column, "c", 80);

  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "drawlot_timing_listview.ini";
  const std::string bytes = ListFileBytes();
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 1;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);

  // As the main window loads it at start-up (repainting paused), and once repainting each row.
  drawlot::RowTagSource tags;
  Stopwatch repainting;
  drawlot::LoadList(rows, path, tags);
  const double repainting_ms = repainting.Milliseconds();
  rows.DeleteAllRows();
  Stopwatch load;
  int loaded = 0;
  {
    const drawlot::ListRedrawPause pause(list);
    loaded = drawlot::LoadList(rows, path, tags);
  }
  const double load_ms = load.Milliseconds();

  struct Silent : drawlot::Prompter {
    drawlot::Answer Show(const drawlot::Message&) override { return drawlot::Answer::kOk; }
  } prompter;
  drawlot::SortDirections directions;
  Stopwatch text_sort;
  drawlot::SortOnHeaderClick(rows, directions, 0, prompter, 0);
  const double text_sort_ms = text_sort.Milliseconds();
  Stopwatch number_sort;
  drawlot::SortOnHeaderClick(rows, directions, 3, prompter, 0);
  const double number_sort_ms = number_sort.Milliseconds();

  std::printf("rows loaded: %d (file %zu bytes)\n", loaded, bytes.size());
  std::printf("load listview.ini: %.1f ms (%.1f ms repainting every row)\n", load_ms,
              repainting_ms);
  std::printf("sort by the first column (text): %.1f ms\n", text_sort_ms);
  std::printf("sort by the fourth column (numbers): %.1f ms\n", number_sort_ms);
  DeleteFileA(path.c_str());
  DestroyWindow(GetParent(list));
  return loaded == kRows ? 0 : 1;
}
