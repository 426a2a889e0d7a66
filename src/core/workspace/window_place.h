// The main window's place between runs: "main_window=left,top,width,height,maximized" in
// "drawlot.ini", the rectangle in screen pixels of the window when it is not maximized.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drawlot {

struct WindowPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool maximized = false;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Five decimal numbers separated by commas, a positive width and height and a last 0 or 1;
// nothing for any other text.
std::optional<WindowPlace> ParseWindowPlace(std::string_view text);
std::string FormatWindowPlace(const WindowPlace& place);

}  // namespace drawlot
