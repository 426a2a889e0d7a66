// The model dialog: a DataDialog on the caller's record, filled in OnInit, written back on the
// OK path only.
#include "win/list/search_dialog.h"

#include "resources/resource_ids.h"
#include "win/platform/combo_box.h"

namespace drawlot {
namespace {

// The search text is held in 256 bytes.
constexpr int kSearchTextBuffer = 256;

class SearchDialog : public DataDialog<SearchState> {
 public:
  // The button "検索" is the OK of this dialog; Enter (IDOK) does nothing.
  SearchDialog(const DialogContext& context, SearchState& state)
      : DataDialog(context, state, {.ok = IDC_SEARCH_START}) {}

 private:
  bool OnInit() override {
    AddComboTexts(Item(IDC_SEARCH_TEXT), OfferedSearchTexts(data()));
    if (!data().history[0].empty()) SetItemText(IDC_SEARCH_TEXT, data().history[0].view());
    return true;
  }

  void OnOk() override {
    AcceptSearchText(data(), ItemText(IDC_SEARCH_TEXT, kSearchTextBuffer));
    Accept();
  }
};

}  // namespace

bool RunSearchDialog(const DialogContext& context, SearchState& state) {
  SearchDialog dialog(context, state);
  return dialog.RunModal(IDD_SEARCH) == 1;
}

}  // namespace drawlot
