// The preview pane's texts, its layout beside the list, the fit of a picture, and the worker
// that reads pictures off the window's thread (the newest request wins; the cache answers).
#include "core/drawing/preview_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>
#include <tuple>

namespace drawlot {
namespace {

TEST(PreviewPane, TextsOfTheLineAndThePicture) {
  const auto preview = [](DrawingFileKind kind, const char* version, PictureKind picture) {
    return std::make_shared<const DrawingPreview>(DrawingPreview{kind, version, picture, {}});
  };
  const PreviewFileStamp stamp{1'234'567'890, 9, {2026, 12, 8, 9, 5}};
  const struct {
    PreviewResult result;
    const char* line;
    const char* picture;
  } cases[] = {
      {{"a.dwg", stamp, preview(DrawingFileKind::kDwg, "AC1032", PictureKind::kBmp)},
       "AutoCAD 2018 形式 (AC1032)　1,205,633 KB　2026/12/08 09:05",
       ""},
      {{"a.dxf", PreviewFileStamp{0, 0, {2001, 1, 2, 3, 4}},
        preview(DrawingFileKind::kAsciiDxf, "", PictureKind::kNone)},
       "DXF 形式　0 KB　2001/01/02 03:04",
       "プレビューはありません"},
      {{"a.txt", PreviewFileStamp{1, 0, {}}, preview(DrawingFileKind::kNotDrawing, "", {})},
       "図面ではありません　1 KB　00/00/00 00:00",
       "プレビューはありません"},
      {{"locked.dwg",  // there, held by another program: its size and date
        PreviewFileStamp{1024, 0, {2026, 1, 1, 0, 0}}, nullptr},
       "1 KB　2026/01/01 00:00",
       "プレビューはありません"},
      {{"gone.dwg", std::nullopt, nullptr}, "図面が見つかりません", "図面が見つかりません"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PreviewLineText(c.result), c.line) << c.result.path;
    EXPECT_EQ(PreviewPictureText(c.result), c.picture) << c.result.path;
  }
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
    if (!c.shown) continue;
    EXPECT_EQ(layout.splitter, (PaneRect{c.list.width, 40, 5, 500}));
    EXPECT_EQ(layout.text, (PaneRect{c.picture.x, 506, c.picture.width, 34}));
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
}

// A decoded picture laid over white: opaque, transparent and half-covered pixels, and the sizes
// that are refused.
TEST(PreviewPane, ADecodedPictureIsATopDownDibOverWhite) {
  const std::string pixels(
      "\x10\x20\x30\xFF"
      "\x10\x20\x30\x00"
      "\x00\x00\xFE\x80",
      12);
  const std::string dib = DibOverWhite(3, 1, pixels);
  ASSERT_EQ(dib.size(), 52u);
  EXPECT_EQ(dib.substr(0, 16), std::string("\x28\0\0\0\x03\0\0\0\xFF\xFF\xFF\xFF\x01\0\x20\0", 16));
  EXPECT_EQ(dib.substr(40), std::string("\x10\x20\x30\0"
                                        "\xFF\xFF\xFF\0"
                                        "\x7F\x7F\xFE\0",
                                        12));
  EXPECT_EQ(CheckDib(dib)->height, -1);
  for (const auto& [width, height, bytes] :
       {std::tuple{3, 1, 8}, {0, 1, 0}, {4097, 1, 4097 * 4}, {2048, 2048, 2048 * 2048 * 4}}) {
    EXPECT_EQ(DibOverWhite(width, height, std::string(bytes, '\0')), "") << width << "x" << height;
  }
}

TEST(PreviewWorker, TheNewestRequestWinsAndTheCacheAnswersWhatWasRead) {
  // Files held in memory, whose reads wait until the test opens the gate.
  std::map<std::string, PreviewFileStamp> files = {{"a", {}}, {"b", {}}, {"c", {}}};
  std::vector<std::string> read;
  std::mutex mutex;
  std::atomic<bool> open = false;
  std::atomic<int> started = 0, ready = 0;
  const auto wait_for = [](const auto& done) {
    while (!done()) std::this_thread::yield();
  };
  PreviewReader reader{[&](const std::string& path) -> std::optional<PreviewFileStamp> {
                         const std::lock_guard lock(mutex);
                         if (!files.contains(path)) return std::nullopt;
                         return files[path];
                       },
                       [&](const std::string& path) {
                         ++started;
                         wait_for([&] { return open.load(); });
                         const std::lock_guard lock(mutex);
                         read.push_back(path);
                         return std::make_shared<const DrawingPreview>(
                             DrawingPreview{DrawingFileKind::kDwg, path, PictureKind::kBmp, {}});
                       }};
  PreviewWorker worker(reader, [&] { ++ready; });
  const auto result = [&] {
    wait_for([&] { return ready > 0; });
    --ready;
    return worker.TakeResult().value_or(PreviewResult{"(none)", std::nullopt, nullptr});
  };

  worker.Ask("a");  // held in its read while the focus moves on twice
  wait_for([&] { return started > 0; });
  worker.Ask("b");
  worker.Ask("c");
  open = true;
  EXPECT_EQ(result().preview->version, "c");
  EXPECT_FALSE(worker.TakeResult());
  // "a" came too late and was dropped, but is kept; "b" was replaced before it was taken up.
  EXPECT_EQ(read, (std::vector<std::string>{"a", "c"}));
  worker.Ask("a");
  EXPECT_EQ(result().preview->version, "a");
  files["c"].last_write = 1;  // saved again since: read again (the worker waits for a request)
  worker.Ask("c");
  EXPECT_EQ(result().path, "c");
  EXPECT_EQ(read, (std::vector<std::string>{"a", "c", "c"}));
  worker.Ask("gone");
  const PreviewResult gone = result();
  EXPECT_TRUE(gone.path == "gone" && !gone.stamp && !gone.preview);
  EXPECT_EQ(ready, 0);  // one result for each request that was the newest when it was read
}

}  // namespace
}  // namespace drawlot
