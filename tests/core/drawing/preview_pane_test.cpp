// The preview pane's texts, its layout beside the list, the fit of a picture, and the worker
// that reads pictures off the window's thread: the newest request wins and the cache answers
// a drawing seen before, unless it was saved again since.
#include "core/drawing/preview_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

namespace drawlot {
namespace {

TEST(PreviewPane, TextsOfTheLineAndThePicture) {
  const auto preview = [](DrawingFileKind kind, const char* version, PictureKind picture) {
    return std::make_shared<const DrawingPreview>(DrawingPreview{kind, version, picture, {}});
  };
  const PreviewFileStamp stamp{1'234'567, 9, {2026, 12, 8, 9, 5}};
  const struct {
    PreviewResult result;
    const char* line;
    const char* picture;
  } cases[] = {
      {{"a.dwg", stamp, preview(DrawingFileKind::kDwg, "AC1032", PictureKind::kBmp)},
       "AutoCAD 2018 形式 (AC1032)　1,206 KB　2026/12/08 09:05",
       ""},
      {{"a.dxf", PreviewFileStamp{0, 0, {2001, 1, 2, 3, 4}},
        preview(DrawingFileKind::kAsciiDxf, "", PictureKind::kNone)},
       "DXF 形式　0 KB　2001/01/02 03:04",
       "プレビューはありません"},
      {{"a.txt", PreviewFileStamp{1, 0, {}}, preview(DrawingFileKind::kNotDrawing, "", {})},
       "図面ではありません　1 KB　00/00/00 00:00",
       "プレビューはありません"},
      // There but not readable (held by another program): its size and date only.
      {{"locked.dwg", PreviewFileStamp{1024, 0, {2026, 1, 1, 0, 0}}, nullptr},
       "1 KB　2026/01/01 00:00",
       "プレビューはありません"},
      {{"gone.dwg", std::nullopt, nullptr}, "図面が見つかりません", "図面が見つかりません"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PreviewLineText(c.result), c.line) << c.result.path;
    EXPECT_EQ(PreviewPictureText(c.result), c.picture) << c.result.path;
  }
  EXPECT_EQ(FileSizeText(1025), "2 KB");
  EXPECT_EQ(FileSizeText(1'048'576'000), "1,024,000 KB");
}

TEST(PreviewPane, TheListKeepsItsCornerAndThePaneTakesTheRight) {
  const PaneRect area{0, 40, 1000, 500};
  const struct {
    bool shown;
    int area_width;
    int pane_width;
    PaneRect list;
    PaneRect picture;
  } cases[] = {
      {false, 1000, 260, {0, 40, 1000, 500}, {}},
      {true, 1000, 260, {0, 40, 735, 500}, {740, 40, 260, 466}},
      {true, 1000, 50, {0, 40, 875, 500}, {880, 40, 120, 466}},    // the pane's least
      {true, 1000, 2000, {0, 40, 200, 500}, {205, 40, 795, 466}},  // the list's least
      {true, 250, 260, {0, 40, 125, 500}, {130, 40, 120, 466}},    // too narrow for both
      {true, 100, 260, {0, 40, 0, 500}, {5, 40, 120, 466}},
  };
  for (const auto& c : cases) {
    const PreviewLayout layout =
        LayOutListAndPreview({area.x, area.y, c.area_width, area.height}, c.shown, c.pane_width);
    EXPECT_EQ(layout.list, c.list) << c.area_width << " " << c.pane_width;
    EXPECT_EQ(layout.picture, c.picture) << c.area_width << " " << c.pane_width;
    if (c.shown) {
      EXPECT_EQ(layout.splitter, (PaneRect{c.list.width, 40, 5, 500}));
      EXPECT_EQ(layout.text, (PaneRect{c.picture.x, 506, c.picture.width, 34}));
    }
  }
  EXPECT_EQ(PreviewWidthForSplitterAt(700, 1000), 298);
  EXPECT_EQ(PreviewWidthForSplitterAt(990, 1000), kMinPreviewWidth);
}

TEST(PreviewPane, APictureFitsItsBoxWithItsProportions) {
  const PaneRect box{10, 20, 200, 100};
  const struct {
    int width, height;
    PaneRect expected;
  } cases[] = {
      {180, 135, {43, 20, 133, 100}},  // taller than the box: its height fits
      {400, 100, {10, 45, 200, 50}},   // wider: its width fits
      {20, 10, {10, 20, 200, 100}},    // a small picture grows to fit
      {1, 4096, {109, 20, 1, 100}},   {0, 10, {10, 20, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitPicture(c.width, c.height, box), c.expected) << c.width << "x" << c.height;
  }
  EXPECT_EQ(FitPicture(10, 10, {0, 0, 0, 50}), (PaneRect{0, 0, 0, 0}));
}

// A reader over files held in memory whose reads wait until the test opens the gate.
class GatedReader {
 public:
  std::map<std::string, PreviewFileStamp> files;
  std::atomic<bool> open = false;
  std::atomic<int> started = 0;

  PreviewReader Reader() {
    return {[this](const std::string& path) -> std::optional<PreviewFileStamp> {
              const std::lock_guard lock(mutex_);
              const auto found = files.find(path);
              if (found == files.end()) return std::nullopt;
              return found->second;
            },
            [this](const std::string& path) {
              ++started;
              while (!open) std::this_thread::yield();
              const std::lock_guard lock(mutex_);
              read_.push_back(path);
              return std::make_shared<const DrawingPreview>(
                  DrawingPreview{DrawingFileKind::kDwg, path, PictureKind::kBmp, {}});
            }};
  }
  std::vector<std::string> Read() {
    const std::lock_guard lock(mutex_);
    return read_;
  }
  void Touch(const std::string& path) {
    const std::lock_guard lock(mutex_);
    ++files[path].last_write;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> read_;
};

TEST(PreviewWorker, TheNewestRequestWinsAndTheCacheAnswersWhatWasRead) {
  GatedReader files;
  files.files = {{"a", {1, 1, {}}}, {"b", {2, 2, {}}}, {"c", {3, 3, {}}}};
  std::atomic<int> ready = 0;
  PreviewWorker worker(files.Reader(), [&] { ++ready; });
  const auto await_result = [&] {
    while (ready == 0) std::this_thread::yield();
    --ready;
    std::optional<PreviewResult> result = worker.TakeResult();
    return result ? *result : PreviewResult{"(none)", std::nullopt, nullptr};
  };
  worker.Ask("a");  // held in its read while the focus moves on twice
  while (files.started == 0) std::this_thread::yield();
  worker.Ask("b");
  worker.Ask("c");
  EXPECT_FALSE(worker.TakeResult());
  files.open = true;
  PreviewResult result = await_result();
  EXPECT_EQ(result.path, "c");
  ASSERT_TRUE(result.preview);
  EXPECT_EQ(result.preview->version, "c");
  EXPECT_FALSE(worker.TakeResult());
  // "a" came too late and was dropped, but is kept; "b" was replaced before it was taken up.
  EXPECT_EQ(files.Read(), (std::vector<std::string>{"a", "c"}));
  worker.Ask("a");
  EXPECT_EQ(await_result().preview->version, "a");
  files.Touch("c");  // saved again since: read again
  worker.Ask("c");
  EXPECT_EQ(await_result().path, "c");
  EXPECT_EQ(files.Read(), (std::vector<std::string>{"a", "c", "c"}));
  worker.Ask("gone");
  result = await_result();
  EXPECT_EQ(result.path, "gone");
  EXPECT_FALSE(result.stamp);
  EXPECT_FALSE(result.preview);
  EXPECT_EQ(ready, 0);  // one result for each request that was the newest
}

}  // namespace
}  // namespace drawlot
