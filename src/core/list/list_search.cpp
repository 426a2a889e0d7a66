#include "core/list/list_search.h"

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

bool IsRememberedAlready(const SearchState& state, std::string_view text) {
  for (int i = 0; i < kComparedHistorySize; ++i) {
    if (state.history[i].view().starts_with(text)) return true;
  }
  return false;
}

void PushFront(SearchState& state, std::string_view text) {
  // The first eleven texts move one place down, the eleventh to twelfth place; the twelfth
  // is dropped and the four places after it are never used.
  for (int i = kOfferedHistorySize; i > 0; --i) state.history[i] = state.history[i - 1];
  state.history[0] = text;
}

}  // namespace

std::vector<std::string> OfferedSearchTexts(const SearchState& state) {
  std::vector<std::string> offered;
  for (int i = 0; i < kOfferedHistorySize && !state.history[i].empty(); ++i) {
    offered.push_back(state.history[i].str());
  }
  return offered;
}

void AcceptSearchText(SearchState& state, std::string_view entered) {
  state.text = entered;
  if (!IsRememberedAlready(state, state.text.view())) PushFront(state, state.text.view());
}

bool ContainsText(std::string_view text, std::string_view wanted) {
  for (std::size_t i = 0; i + wanted.size() <= text.size();) {
    if (text.substr(i, wanted.size()) == wanted) return true;
    i += (IsLeadByte(text[i]) && i + 1 < text.size()) ? 2 : 1;
  }
  return false;
}

void SearchInList(RowStore& store, std::string_view search_text) {
  for (int row = 0; row < store.RowCount(); ++row) {
    if (ContainsText(ReadCellText(store, row, 0), search_text)) MarkRow(store, row);
  }
}

}  // namespace drawlot
