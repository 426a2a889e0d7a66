// What the preview pane beside the drawing list shows for the focused row, and where the list,
// the pane and the bar between them go in the main window. The pane's picture and text line are
// children of their own, so that checks from outside can find them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/drawing/drawing_file.h"
#include "core/platform/file_system.h"

namespace drawlot {

// The bounds of the pane's width in drawlot.ini, and the width it has until the user drags it.
inline constexpr int kDefaultPreviewWidth = 260;
inline constexpr int kMinPreviewWidth = 120;
inline constexpr int kMaxPreviewWidth = 2000;
// Pixels: the bar between the list and the pane, the least the list keeps when the pane grows,
// and the height of the text line under the picture (two lines of the list's font).
inline constexpr int kPreviewSplitterWidth = 5;
inline constexpr int kMinListWidthBesidePreview = 200;
inline constexpr int kPreviewTextHeight = 34;

inline constexpr char kNoPreviewText[] = "プレビューはありません";
inline constexpr char kDrawingNotFoundText[] = "図面が見つかりません";

// A file as the pane knows it: what its cached picture is keyed by, and what its line shows.
struct PreviewFileStamp {
  std::uint64_t size = 0;
  std::uint64_t last_write = 0;  // the platform's file time, compared for equality only
  LocalFileTime local_write;
};

// What was found at a path: nothing (no stamp), or the file and, when it could be read, its
// preview (a BMP when it has a picture: the shell decodes a PNG before it is kept).
struct PreviewResult {
  std::string path;
  std::optional<PreviewFileStamp> stamp;
  std::shared_ptr<const DrawingPreview> preview;
};

// The text line: "AutoCAD 2018 形式 (AC1032)　1,234 KB　2026/12/08 10:15", or
// "図面が見つかりません" when the file is not there.
std::string PreviewLineText(const PreviewResult& result);
// The text in place of the picture: empty when there is one to draw, "図面が見つかりません" when
// the file is not there, "プレビューはありません" otherwise.
std::string PreviewPictureText(const PreviewResult& result);
// A file's size as Explorer gives it: kilobytes rounded up, with thousands separators.
std::string FileSizeText(std::uint64_t bytes);

struct PaneRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PaneRect&, const PaneRect&) = default;
};

// The list keeps its top-left corner; the pane takes `pane_width` of the right side, but never
// so much that the list has less than kMinListWidthBesidePreview, nor less than
// kMinPreviewWidth. Without the pane the list has the whole area and the rest are empty.
struct PreviewLayout {
  PaneRect list;
  PaneRect splitter;
  PaneRect picture;
  PaneRect text;
};
PreviewLayout LayOutListAndPreview(const PaneRect& area, bool pane_shown, int pane_width);
// The pane's width when the bar is dragged to `x` in an area of `area_right`.
int PreviewWidthForSplitterAt(int x, int area_right);

// The place of a picture of `width` x `height` in `box`: scaled to fit, its proportions kept,
// centred; an empty rectangle for an empty picture or box.
PaneRect FitPicture(int width, int height, const PaneRect& box);

}  // namespace drawlot
