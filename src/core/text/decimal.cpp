#include "core/text/decimal.h"

#include <limits>

namespace drawlot {
namespace {

bool IsSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::int32_t ParseDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > kLimit) magnitude = kLimit;  // saturate; keeps the arithmetic in range
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

std::string FormatDecimal(std::int32_t value) {
  return std::to_string(value);
}

std::optional<int> ParseTypedNumber(std::string_view text, int minimum, int maximum) {
  // "０" to "９" are 82 4F to 82 58 in code page 932.
  constexpr unsigned char kWideDigitLead = 0x82;
  constexpr unsigned char kWideZero = 0x4F;
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  long long value = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    int digit = -1;
    if (byte >= '0' && byte <= '9') {
      digit = byte - '0';
    } else if (byte == kWideDigitLead && i + 1 < text.size()) {
      const auto trail = static_cast<unsigned char>(text[++i]);
      if (trail >= kWideZero && trail <= kWideZero + 9) digit = trail - kWideZero;
    }
    if (digit < 0) return std::nullopt;
    value = value * 10 + digit;
    if (value > maximum) return std::nullopt;
  }
  if (value < minimum) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace drawlot
