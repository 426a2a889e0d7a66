#include "core/drawing/preview_pane.h"

#include <algorithm>

#include "core/list/list_rows.h"

namespace drawlot {

// Appended piece by piece: GCC 12's -O2 sees a false overlap in inserts and in chains of +.
std::string FileSizeText(std::uint64_t bytes) {
  const std::string digits = std::to_string((bytes + 1023) / 1024);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(digits[i]);
  }
  text.append(" KB");
  return text;
}

std::string PreviewLineText(const PreviewResult& result) {
  if (!result.stamp) return kDrawingNotFoundText;
  std::string line;
  if (result.preview) line.append(FormatText(*result.preview)).append("　");
  line.append(FileSizeText(result.stamp->size)).append("　");
  line.append(FormatFileTime(result.stamp->local_write));
  return line;
}

std::string PreviewPictureText(const PreviewResult& result) {
  if (!result.stamp) return kDrawingNotFoundText;
  if (result.preview && result.preview->picture != PictureKind::kNone) return {};
  return kNoPreviewText;
}

PreviewLayout LayOutListAndPreview(const PaneRect& area, bool pane_shown, int pane_width) {
  PreviewLayout layout;
  layout.list = area;
  if (!pane_shown) return layout;
  const int widest =
      std::max(kMinPreviewWidth, area.width - kMinListWidthBesidePreview - kPreviewSplitterWidth);
  const int pane = std::clamp(pane_width, kMinPreviewWidth, widest);
  layout.list.width = std::max(0, area.width - pane - kPreviewSplitterWidth);
  const int pane_x = area.x + layout.list.width + kPreviewSplitterWidth;
  layout.splitter = {area.x + layout.list.width, area.y, kPreviewSplitterWidth, area.height};
  const int picture_height = std::max(0, area.height - kPreviewTextHeight);
  layout.picture = {pane_x, area.y, pane, picture_height};
  layout.text = {pane_x, area.y + picture_height, pane, area.height - picture_height};
  return layout;
}

int PreviewWidthForSplitterAt(int x, int area_right) {
  return std::clamp(area_right - x - kPreviewSplitterWidth / 2, kMinPreviewWidth, kMaxPreviewWidth);
}

PaneRect FitPicture(int width, int height, const PaneRect& box) {
  if (width <= 0 || height <= 0 || box.width <= 0 || box.height <= 0) return {box.x, box.y, 0, 0};
  // The side that limits the scale keeps the box's length; the other follows, rounded.
  const bool wide = std::int64_t{width} * box.height >= std::int64_t{height} * box.width;
  // A sliver of a picture keeps one pixel.
  const auto scaled = [](int length, int to, int from) {
    return std::max(1, static_cast<int>((std::int64_t{length} * to + from / 2) / from));
  };
  const int fitted_width = wide ? box.width : scaled(width, box.height, height);
  const int fitted_height = wide ? scaled(height, box.width, width) : box.height;
  return {box.x + (box.width - fitted_width) / 2, box.y + (box.height - fitted_height) / 2,
          fitted_width, fitted_height};
}

}  // namespace drawlot
