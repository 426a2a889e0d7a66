// How long one printer enumeration takes through Wine's real spooler: every queue of the CUPS
// that CUPS_SERVER names, with no printer prohibited and with every one prohibited (whose
// paper names are then never asked for). Boxes are counted, not shown. Prints figures; asserts
// nothing. Run through bench/win/printer_timing.sh, which makes the queues.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "core/env/printer_enumeration.h"
#include "win/platform/win32_print_spooler.h"

namespace {

constexpr int kRuns = 10;

double Now() {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER count{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

class CountingPrompter : public drawlot::Prompter {
 public:
  drawlot::Answer Show(const drawlot::Message&) override {
    ++boxes;
    return drawlot::Answer::kOk;
  }
  int boxes = 0;
};

void Time(const char* label, const drawlot::EnvironmentSettings& settings) {
  drawlot::Win32PrintSpooler spooler;
  CountingPrompter prompter;
  auto catalog = std::make_unique<drawlot::PrinterCatalog>();
  double first = 0;
  double rest = 0;
  for (int run = 0; run <= kRuns; ++run) {
    const double start = Now();
    drawlot::EnumeratePrinters(*catalog, settings, spooler, prompter, 0);
    (run == 0 ? first : rest) += Now() - start;
  }
  std::printf(
      "%-14s %2d printers, %2d papers in the first: first %8.2f ms, then %8.2f ms each "
      "(%d boxes a run)\n",
      label, catalog->count, catalog->printers[0].PaperCount(), first, rest / kRuns,
      prompter.boxes / (kRuns + 1));
}

}  // namespace

int main() {
  drawlot::EnvironmentSettings settings{};
  for (auto& entry : settings.prohibition_print) entry.Clear();
  Time("not prohibited", settings);
  settings.prohibition_print[3] = "Drawlot";
  Time("prohibited", settings);
  return 0;
}
