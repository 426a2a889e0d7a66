// Figures for the preview pane's reader: the preview of 1,000 drawings on the local disk (DWGs
// of 300 KB with a 180 x 135 BMP in their image block, and DXFs of about 300 KB with the same
// picture in THUMBNAILIMAGE), per drawing, against a plain read of the same files whole.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/drawing/drawing_file.h"
#include "core/text/file_io.h"
#include "support/drawing_builder.h"

namespace drawlot {
namespace {

constexpr int kDrawings = 1000;

// 1,000 drawings of one kind in a folder of their own below /tmp, removed at exit.
class DrawingFolder {
 public:
  explicit DrawingFolder(bool dxf) {
    char name[] = "/tmp/drawlot-drawings-XXXXXX";
    folder_ = mkdtemp(name);
    const std::string picture = testing::Dib(180, 135, 8);
    // About 300 KB: the drawing's data after the image block, or that many LINE entities.
    const std::string bytes = dxf ? testing::Dxf("AC1032", picture, "\r\n", 3000)
                                  : testing::Dwg("AC1032", {{2, picture}}, 300 << 10);
    for (int i = 0; i < kDrawings; ++i) {
      paths_.push_back(folder_ + "/" + std::to_string(i) + (dxf ? ".dxf" : ".dwg"));
      std::FILE* file = std::fopen(paths_.back().c_str(), "wb");
      std::fwrite(bytes.data(), 1, bytes.size(), file);
      std::fclose(file);
    }
    bytes_ = bytes.size();
  }
  ~DrawingFolder() {
    for (const std::string& path : paths_) std::remove(path.c_str());
    rmdir(folder_.c_str());
  }
  const std::vector<std::string>& paths() const { return paths_; }
  std::size_t bytes() const { return bytes_; }

 private:
  std::string folder_;
  std::vector<std::string> paths_;
  std::size_t bytes_ = 0;
};

const DrawingFolder& Drawings(bool dxf) {
  static const DrawingFolder dwgs(false);
  static const DrawingFolder dxfs(true);
  return dxf ? dxfs : dwgs;
}

void PerDrawing(benchmark::State& state, std::size_t file_bytes) {
  state.counters["drawing"] = benchmark::Counter(
      kDrawings, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["file_KB"] = static_cast<double>(file_bytes) / 1024;
}

void BM_ReadPreviews(benchmark::State& state) {
  const DrawingFolder& drawings = Drawings(state.range(0) != 0);
  for (auto _ : state) {
    for (const std::string& path : drawings.paths()) {
      const std::optional<DrawingPreview> preview = ReadDrawingPreviewFile(path);
      if (!preview || preview->picture != PictureKind::kBmp) state.SkipWithError("no picture");
      benchmark::DoNotOptimize(preview);
    }
  }
  PerDrawing(state, drawings.bytes());
}
BENCHMARK(BM_ReadPreviews)->ArgName("dxf")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ReadWholeFiles(benchmark::State& state) {
  const DrawingFolder& drawings = Drawings(state.range(0) != 0);
  for (auto _ : state) {
    for (const std::string& path : drawings.paths()) {
      std::optional<std::string> bytes = ReadFileBytes(path);
      benchmark::DoNotOptimize(bytes);
    }
  }
  PerDrawing(state, drawings.bytes());
}
BENCHMARK(BM_ReadWholeFiles)->ArgName("dxf")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace drawlot
