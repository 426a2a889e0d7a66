// Figures for the list operations at 1,000, 10,000 and 100,000 rows of 12 columns: the script
// writer against one plain fwrite of the same bytes, the list file both ways, row insertion
// and the header-click sort on a text column and on the numeric fourth column.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/list/list_file.h"
#include "core/list/list_rows.h"
#include "core/list/list_sort.h"
#include "core/model/script_item.h"
#include "core/script/script_writer.h"
#include "core/text/file_io.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/script_items.h"

namespace drawlot {
namespace {

using testing::Item;
using testing::Slots;

class SilentPrompter : public Prompter {
 public:
  Answer Show(const Message&) override { return Answer::kOk; }
};

// A folder of its own below /tmp, removed at exit.
class BenchFolder {
 public:
  BenchFolder() {
    char name[] = "/tmp/drawlot-bench-XXXXXX";
    path_ = mkdtemp(name);
  }
  ~BenchFolder() {
    for (const char* file : {"run.scr", "plain.scr", "list.ini"}) std::remove(File(file).c_str());
    rmdir(path_.c_str());
  }
  std::string File(const char* name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

// Twelve displayed items as a plotting set has them: file name, folder, date, a number, then
// per-drawing answers; a hidden "open" item writes the drawing path.
ItemSlots PlotSlots() {
  return Slots({
      Item().display(1).width(60),
      Item().display(2).width(60),
      Item().display(3).width(60),
      Item().display(4).initial("0").width(60),
      Item().output(1).command("open").width(60),
      Item().output(2).command("-plot").width(60),
      Item().display(4).output(3).initial("Yes").width(60),
      Item().display(4).output(4).initial("Layout1").width(60),
      Item().display(4).output(4).initial("PrinterA").width(60),
      Item().display(4).output(4).initial("A3").width(60),
      Item().display(4).output(4).initial("Millimeters").width(60),
      Item().display(4).output(4).initial("Landscape").width(60),
      Item().display(4).output(4).initial("Extents").width(60),
      Item().display(4).output(4).initial("Fit").width(60),
      Item().output(2).width(60),
  });
}

std::uint32_t NextRandom(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state >> 8;
}

// `count` rows with varied names, folders and numbers, in no particular order.
InMemoryRowStore FilledStore(const ItemSlots& slots, int count) {
  InMemoryRowStore store;
  BuildColumns(store, slots);
  RowTagSource tags;
  std::uint32_t state = 12345;
  for (int i = 0; i < count; ++i) {
    const std::string name = "Drawing_" + std::to_string(NextRandom(state) % 100000) + ".dwg";
    const std::string folder = "C:\\Projects\\Site" + std::to_string(NextRandom(state) % 50);
    const int position = store.RowCount();
    InsertDrawingRow(store, slots, tags, NewDrawing{name, folder, "2024/03/05 14:07", kIconDwg},
                     position);
    store.SetCell(position, 3, std::to_string(NextRandom(state) % 1000));
  }
  return store;
}

void SetRows(benchmark::State& state, int rows) {
  state.counters["rows"] = rows;
  state.SetItemsProcessed(state.iterations() * rows);
}

void BM_WriteScript(benchmark::State& state) {
  const ItemSlots slots = PlotSlots();
  InMemoryRowStore store = FilledStore(slots, static_cast<int>(state.range(0)));
  EnvironmentSettings settings;
  settings.end_file_dwg = "C:\\END\\end.dwg";
  SilentPrompter prompter;
  const std::string path = Folder().File("run.scr");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        WriteScript(0, store, ScriptRowScope::kAll, path, slots, settings, prompter));
  }
  state.SetBytesProcessed(state.iterations() * ReadFileBytes(path)->size());
  SetRows(state, static_cast<int>(state.range(0)));
}

// The script of every row built in memory, without the file: the part of WriteScript that is
// reading the rows.
void BM_BuildScript(benchmark::State& state) {
  const ItemSlots slots = PlotSlots();
  const int rows = static_cast<int>(state.range(0));
  InMemoryRowStore store = FilledStore(slots, rows);
  const ScriptPlan plan(slots);
  // Pieces of 256 KB, each dropped when full instead of written.
  constexpr std::size_t kPieceBytes = 256 * 1024;
  std::vector<char> piece(kPieceBytes + plan.MaxRowBytes());
  std::size_t total = 0;
  for (auto _ : state) {
    std::size_t used = 0;
    total = 0;
    for (int row = 0; row < rows; ++row) {
      used += plan.WriteRowBlock(piece.data() + used, store, row);
      if (used >= kPieceBytes) {
        benchmark::DoNotOptimize(piece.data());
        total += used;
        used = 0;
      }
    }
    total += used;
  }
  state.SetBytesProcessed(state.iterations() * total);
  SetRows(state, rows);
}

// The bytes WriteScript writes for `rows` rows.
std::string ScriptBytes(int rows) {
  const ItemSlots slots = PlotSlots();
  InMemoryRowStore store = FilledStore(slots, rows);
  EnvironmentSettings settings;
  SilentPrompter prompter;
  const std::string scratch = Folder().File("plain.scr");
  WriteScript(0, store, ScriptRowScope::kAll, scratch, slots, settings, prompter);
  return *ReadFileBytes(scratch);
}

// The same bytes with one fwrite: the floor the script writer is measured against.
void BM_PlainFwrite(benchmark::State& state) {
  const std::string bytes = ScriptBytes(static_cast<int>(state.range(0)));
  const std::string path = Folder().File("plain.scr");
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    benchmark::DoNotOptimize(std::fwrite(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
  SetRows(state, static_cast<int>(state.range(0)));
}

// The same bytes through the safe save (temporary file, then one rename): the part of
// WriteScript that is file writing rather than reading the rows.
void BM_SaveFileReplacing(benchmark::State& state) {
  const std::string bytes = ScriptBytes(static_cast<int>(state.range(0)));
  const std::string path = Folder().File("plain.scr");
  for (auto _ : state) benchmark::DoNotOptimize(SaveFileReplacing(path, bytes));
  state.SetBytesProcessed(state.iterations() * bytes.size());
  SetRows(state, static_cast<int>(state.range(0)));
}

void BM_SaveList(benchmark::State& state) {
  const ItemSlots slots = PlotSlots();
  InMemoryRowStore store = FilledStore(slots, static_cast<int>(state.range(0)));
  SilentPrompter prompter;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SaveList(0, store, Folder().File("list.ini"), prompter));
  }
  SetRows(state, static_cast<int>(state.range(0)));
}

void BM_LoadList(benchmark::State& state) {
  const ItemSlots slots = PlotSlots();
  SilentPrompter prompter;
  SaveList(0, FilledStore(slots, static_cast<int>(state.range(0))), Folder().File("list.ini"),
           prompter);
  InMemoryRowStore store;
  BuildColumns(store, slots);
  RowTagSource tags;
  for (auto _ : state) {
    state.PauseTiming();
    store.DeleteAllRows();
    state.ResumeTiming();
    benchmark::DoNotOptimize(LoadList(store, Folder().File("list.ini"), tags));
  }
  SetRows(state, static_cast<int>(state.range(0)));
}

void BM_InsertDrawingRow(benchmark::State& state) {
  const ItemSlots slots = PlotSlots();
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(FilledStore(slots, count).RowCount());
  }
  SetRows(state, count);
}

// One header click on `column` of an unsorted list.
void SortBenchmark(benchmark::State& state, int column) {
  const ItemSlots slots = PlotSlots();
  const InMemoryRowStore unsorted = FilledStore(slots, static_cast<int>(state.range(0)));
  SilentPrompter prompter;
  for (auto _ : state) {
    state.PauseTiming();
    InMemoryRowStore store = unsorted;
    SortDirections directions;
    state.ResumeTiming();
    SortOnHeaderClick(store, directions, column, prompter, 0);
  }
  SetRows(state, static_cast<int>(state.range(0)));
}
void BM_SortTextColumn(benchmark::State& state) {
  SortBenchmark(state, 0);
}
void BM_SortNumericColumn(benchmark::State& state) {
  SortBenchmark(state, kNumericSortColumn);
}

#define DRAWLOT_ROWS RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_WriteScript)->DRAWLOT_ROWS;
BENCHMARK(BM_BuildScript)->DRAWLOT_ROWS;
BENCHMARK(BM_PlainFwrite)->DRAWLOT_ROWS;
BENCHMARK(BM_SaveFileReplacing)->DRAWLOT_ROWS;
BENCHMARK(BM_SaveList)->DRAWLOT_ROWS;
BENCHMARK(BM_LoadList)->DRAWLOT_ROWS;
BENCHMARK(BM_InsertDrawingRow)->DRAWLOT_ROWS;
BENCHMARK(BM_SortTextColumn)->DRAWLOT_ROWS;
BENCHMARK(BM_SortNumericColumn)->DRAWLOT_ROWS;

}  // namespace
}  // namespace drawlot

BENCHMARK_MAIN();
