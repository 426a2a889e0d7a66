// Code page 932 (Shift-JIS) byte rules shared by every part of the program.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace drawlot {

// True for a byte that starts a double-byte character in code page 932. The trail byte that
// follows may be 0x5C, the backslash, so every search for a backslash must skip trail bytes.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsLeadByte(char c) {
  return IsLeadByte(static_cast<unsigned char>(c));
}

// The length of the longest prefix of `text` that holds at most `max_bytes` bytes without
// splitting a double-byte character. A lead byte at the very end of `text` counts as one byte.
std::size_t Cp932PrefixLength(std::string_view text, std::size_t max_bytes);

// As Cp932PrefixLength, but whole characters only: a lead byte at the very end, whose trail
// byte is missing, is dropped too. Text read back from a control goes through this, so a half
// character can never reach a file, where it would swallow the separator that follows it.
std::size_t Cp932WholeLength(std::string_view text, std::size_t max_bytes);

// Position of the last backslash that is a character of its own (not a trail byte), or npos.
std::size_t FindLastBackslash(std::string_view text);

// What follows the last backslash of a path: its file name (the whole text when it has none).
std::string_view FileNameOf(std::string_view path);

// True when the text's last character is a backslash (not the trail byte of a double-byte
// character such as 表, bytes 95 5C).
bool EndsWithBackslash(std::string_view text);

// `folder` and `name` joined by one backslash, as the paths the user sees and the system's
// dialogs take them on every platform: none is added when the folder already ends in one.
std::string JoinWithBackslash(std::string_view folder, std::string_view name);

// The text with its ASCII letters upper-cased, as Windows compares names. Trail bytes of
// double-byte characters are left as they are: many lie in the letter range, and folding them
// would make different kana equal.
std::string FoldAsciiLetters(std::string_view text);

}  // namespace drawlot
