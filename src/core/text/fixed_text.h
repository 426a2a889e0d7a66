// A NUL-terminated code page 932 text in a fixed-width field, as the settings and list files
// store them: a field of N bytes holds at most N-1 bytes. Longer values are cut here and
// nowhere else, and never in the middle of a double-byte character.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "core/text/cp932.h"

namespace drawlot {

template <std::size_t N>
class FixedText {
  static_assert(N >= 2, "a field must hold at least one byte and its NUL");

 public:
  static constexpr std::size_t kCapacity = N - 1;

  FixedText() = default;
  FixedText(std::string_view text) { Set(text); }  // NOLINT: implicit on purpose, like a char[]

  // Stores `text` up to its first NUL, cut to the field's capacity.
  void Set(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);
    const std::size_t length = Cp932PrefixLength(text, kCapacity);
    bytes_.fill('\0');
    if (length > 0) std::memcpy(bytes_.data(), text.data(), length);
  }
  FixedText& operator=(std::string_view text) {
    Set(text);
    return *this;
  }
  void Clear() { bytes_.fill('\0'); }

  std::string_view view() const { return std::string_view(bytes_.data(), size()); }
  std::string str() const { return std::string(view()); }
  const char* c_str() const { return bytes_.data(); }
  std::size_t size() const { return std::strlen(bytes_.data()); }
  bool empty() const { return bytes_[0] == '\0'; }

  friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
  friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

 private:
  std::array<char, N> bytes_{};
};

}  // namespace drawlot
