// Figures for "実行前の確認": 1,000 rows against a spooler of 30 printers with 60 papers each,
// every row's file there and a drawing (the file system is not what is measured here).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "core/script/run_check.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/script_items.h"

namespace drawlot {
namespace {

void BM_CheckBeforeRun(benchmark::State& state) {
  using testing::Item;
  const ItemSlots items =
      testing::Slots({Item("ファイル名").display(1), Item("フォルダ").display(2),
                      Item("プリンタ").display(3).edit(3), Item("用紙").display(4).edit(4)});
  InMemoryRowStore rows;
  BuildColumns(rows, items);
  InMemoryPrintSpooler spooler;
  for (int p = 0; p < 30; ++p) {
    std::vector<std::string> papers;
    for (int k = 0; k < 60; ++k) papers.push_back("ISO A" + std::to_string(k));
    spooler.Add("Plotter " + std::to_string(p), papers);
  }
  std::vector<int> all;
  for (int r = 0; r < 1000; ++r) {
    const int at = rows.InsertRow(r, "A-" + std::to_string(r) + ".dwg", 0, r + 1);
    rows.SetCell(at, 1, "C:\\Projects\\図面");
    rows.SetCell(at, 2, "Plotter " + std::to_string(r % 31));  // one in 31 is not there
    rows.SetCell(at, 3, "ISO A" + std::to_string(r % 61));
    all.push_back(at);
  }
  const DrawingLookup lookup{[](const std::string&) { return true; },
                             [](const std::string&) { return true; }};
  std::size_t found = 0;
  for (auto _ : state) {
    found = CheckBeforeRun(rows, items, all, lookup, spooler).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["faults"] = static_cast<double>(found);
}
BENCHMARK(BM_CheckBeforeRun)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlot
