#include "core/workspace/window_place.h"

#include <array>
#include <charconv>

namespace drawlot {

namespace {

// Takes one decimal number and the comma after it (none after the last).
bool TakeNumber(std::string_view& text, int& value, bool last) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return false;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  if (last) return text.empty();
  if (text.empty() || text.front() != ',') return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<WindowPlace> ParseWindowPlace(std::string_view text) {
  std::array<int, 5> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (!TakeNumber(text, numbers[i], i + 1 == numbers.size())) return std::nullopt;
  }
  const auto [left, top, width, height, maximized] = numbers;
  if (width <= 0 || height <= 0 || (maximized != 0 && maximized != 1)) return std::nullopt;
  return WindowPlace{left, top, width, height, maximized == 1};
}

std::string FormatWindowPlace(const WindowPlace& place) {
  return std::to_string(place.left) + "," + std::to_string(place.top) + "," +
         std::to_string(place.width) + "," + std::to_string(place.height) + "," +
         (place.maximized ? "1" : "0");
}

}  // namespace drawlot
