// Figures for "select what changed": reading a full record (drawlot_run.csv past 4 MiB and
// drawlot_run.old.csv as large) and choosing among 10,000 rows of the list, the way the menu
// item does it; and reading a run's journal of 10,000 drawings back.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/list/list_rows.h"
#include "core/script/run_history.h"
#include "core/script/run_journal.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/script_items.h"

namespace drawlot {
namespace {

constexpr int kRows = 10000;

std::string FolderOf(int drawing) {
  return "C:\\Projects\\Building " + std::to_string(drawing % 40) + "\\図面\\Sheets";
}
std::string NameOf(int drawing) {
  return "A-" + std::to_string(drawing) + ".dwg";
}

RunRecordLine LineOf(int drawing, int pass) {
  const RunResult result = drawing % 7 == 0 ? RunResult::kExitCode : RunResult::kDone;
  return RunRecordLine{{2026, 1 + pass % 12, 1 + drawing % 28, 8, drawing % 60, pass % 60},
                       {2026, 1 + pass % 12, 1 + drawing % 28, 8, drawing % 60, 59},
                       12,
                       "毎行(１処理)",
                       FolderOf(drawing) + "\\" + NameOf(drawing),
                       "Plotter,A0 \"HP\"",
                       "ISO A1 (841.00 x 594.00 mm)",
                       result,
                       result == RunResult::kDone ? "0" : "1"};
}

// A record of passes over drawings 0 to 14,999 (more than the list holds) until it is 4 MiB.
std::string FullRecord(int first_pass) {
  std::string bytes = std::string(kRunRecordHeader) + "\r\n";
  for (int pass = first_pass; bytes.size() <= kRunRecordRotateBytes; ++pass) {
    for (int drawing = 0; drawing < 15000 && bytes.size() <= kRunRecordRotateBytes; ++drawing) {
      bytes += RunRecordBytes(LineOf(drawing, pass));
    }
  }
  return bytes;
}

class BenchFolder {
 public:
  BenchFolder() {
    char name[] = "/tmp/drawlot-history-XXXXXX";
    path_ = mkdtemp(name);
    Write(kOldRunRecordFileName, FullRecord(0));
    Write(kRunRecordFileName, FullRecord(5));
  }
  ~BenchFolder() {
    for (const char* file : {kRunRecordFileName, kOldRunRecordFileName, kRunJournalFileName}) {
      std::remove(JoinPath(path_, file).c_str());
    }
    rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }
  void Write(const char* name, const std::string& bytes) const {
    SaveFileReplacing(JoinPath(path_, name), bytes);
  }

 private:
  std::string path_;
};

const BenchFolder& Folder() {
  static const BenchFolder folder;
  return folder;
}

void BM_SelectWhatChanged(benchmark::State& state) {
  const ItemSlots items = testing::Slots({testing::Item().display(1), testing::Item().display(2)});
  InMemoryRowStore rows;
  rows.InsertColumn(0, "file", 60);
  rows.InsertColumn(1, "folder", 60);
  RowTagSource tags;
  for (int drawing = 0; drawing < kRows; ++drawing) {
    // Every third drawing's folder spelled in capitals, as when it was added again.
    std::string folder = FolderOf(drawing);
    if (drawing % 3 == 0) folder = "c:\\PROJECTS" + folder.substr(11);
    rows.SetCell(rows.InsertRow(drawing, NameOf(drawing), kIconDwg, tags.Next()), 1, folder);
  }
  const auto written = [](const std::string& path) {
    return std::optional<LocalTime>({2026, 6, 1 + static_cast<int>(path.size() % 28), 12, 0, 0});
  };
  const std::string& folder = Folder().path();
  ChangedSelection selection;
  for (auto _ : state) {
    const PlotHistoryRead read = ReadPlotHistory(folder);
    selection = SelectWhatChanged(rows, items, read.history, written);
    benchmark::DoNotOptimize(selection);
  }
  state.counters["changed"] = selection.changed;
  state.counters["never_plotted"] = selection.never_plotted;
}

void BM_ReadRunJournal(benchmark::State& state) {
  std::vector<std::string> drawings;
  for (int drawing = 0; drawing < kRows; ++drawing) {
    drawings.push_back(FolderOf(drawing) + "\\" + NameOf(drawing));
  }
  std::string bytes = RunJournalStartBytes(RunMode::kPerRowLoop, {2026, 12, 8, 9, 0, 0}, drawings);
  for (int drawing = 0; drawing < kRows / 2; ++drawing) {
    RunRecordLine line = LineOf(drawing, 0);
    line.mode = RunModeText(RunMode::kPerRowLoop);
    bytes += RunJournalOutcomeBytes(drawing + 1, line);
  }
  Folder().Write(kRunJournalFileName, bytes);
  for (auto _ : state) {
    const JournalRead read = ReadRunJournal(Folder().path());
    benchmark::DoNotOptimize(PickUpQuestion(read.journal));
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}

BENCHMARK(BM_SelectWhatChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRunJournal)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlot
