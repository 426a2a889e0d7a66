#include "core/text/cp932.h"

namespace drawlot {

std::size_t Cp932PrefixLength(std::string_view text, std::size_t max_bytes) {
  if (text.size() <= max_bytes) return text.size();  // fits whole: nothing to cut
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t width = (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
    if (i + width > max_bytes) break;
    i += width;
  }
  return i;
}

std::size_t Cp932WholeLength(std::string_view text, std::size_t max_bytes) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t width = IsLeadByte(text[i]) ? 2 : 1;
    if (i + width > max_bytes || i + width > text.size()) break;
    i += width;
  }
  return i;
}

std::size_t FindLastBackslash(std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i]) && i + 1 < text.size()) {
      ++i;  // skip the trail byte, which may be 0x5C
    } else if (text[i] == '\\') {
      found = i;
    }
  }
  return found;
}

std::string_view FileNameOf(std::string_view path) {
  const std::size_t backslash = FindLastBackslash(path);
  return backslash == std::string_view::npos ? path : path.substr(backslash + 1);
}

bool EndsWithBackslash(std::string_view text) {
  // Only a text whose last byte is 5C needs the walk that tells a backslash from a trail byte.
  return !text.empty() && text.back() == '\\' && FindLastBackslash(text) == text.size() - 1;
}

std::string JoinWithBackslash(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!EndsWithBackslash(folder)) path.push_back('\\');
  path.append(name);
  return path;
}

std::string FoldAsciiLetters(std::string_view text) {
  std::string folded(text);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (IsLeadByte(folded[i])) {
      ++i;
    } else if (folded[i] >= 'a' && folded[i] <= 'z') {
      folded[i] = static_cast<char>(folded[i] - 'a' + 'A');
    }
  }
  return folded;
}

}  // namespace drawlot
