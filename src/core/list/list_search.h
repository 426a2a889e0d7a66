// The list search and the history of search texts that the search dialog offers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/row_store.h"
#include "core/text/fixed_text.h"

namespace drawlot {

inline constexpr int kSearchHistorySize = 16;
inline constexpr int kOfferedHistorySize = 11;
// A new text is compared with this many of the most recent texts.
inline constexpr int kComparedHistorySize = 10;

// The search text (at most 255 bytes) and the texts searched before, most recent first. Both
// live while the program runs; nothing is saved.
struct SearchState {
  FixedText<256> text;
  std::array<FixedText<256>, kSearchHistorySize> history;
};

// The texts the dialog's combo box offers: most recent first, up to the first empty one, at
// most 11.
std::vector<std::string> OfferedSearchTexts(const SearchState& state);

// What the dialog's button does with the entered text: it becomes the search text, and goes to
// the front of the history unless one of the 10 most recent texts begins with it.
void AcceptSearchText(SearchState& state, std::string_view entered);

// True when `text` holds `wanted` starting at a character of its own (never at the trail byte of
// a double-byte character). An empty `wanted` is in every text.
bool ContainsText(std::string_view text, std::string_view wanted);

// Marks every row whose first column contains `search_text`; other rows keep their states.
void SearchInList(RowStore& store, std::string_view search_text);

}  // namespace drawlot
