#include "core/items/item_set_editor.h"

#include <utility>

#include "core/items/partial_script_file.h"

namespace drawlot {
namespace {

constexpr std::string_view kMistakeTitle = "操作ミス！";
constexpr std::string_view kConfirmTitle = "確認！";

}  // namespace

ItemSetEditor::ItemSetEditor(const ItemSetEditorContext& context) : context_(context) {}

ItemSlots& ItemSetEditor::slots() const {
  return context_.table.sets[context_.shown_set].items;
}

void ItemSetEditor::Open() {
  CreateItemListColumns(context_.list);
  FillItemList(context_.list, slots());
}

SetHeader ItemSetEditor::Header() const {
  return HeaderOfSet(context_.table.sets[context_.shown_set]);
}

std::string ItemSetEditor::NumberText() const {
  return SetNumberText(context_.shown_set);
}

void ItemSetEditor::Tell(std::string_view text, std::string_view title) {
  context_.prompter.Tell(context_.owner, std::string(text), std::string(title), Icon::kNone);
}

int ItemSetEditor::SelectedRow(std::string_view title) {
  const int row = context_.list.NextSelectedRow(kNoRow);
  if (row == kNoRow || row >= kItemSlotCount) {
    Tell("項目を選択して下さい", title);
    return kNoRow;
  }
  return row;
}

// Destructive set operations go ahead only on Yes to the question and then No to the offer to
// give it up after all.
bool ItemSetEditor::ConfirmTwice(std::string_view question, std::string_view give_up) {
  const auto ask = [this](std::string_view text) {
    return context_.prompter.Show(Message{context_.owner, std::string(text),
                                          std::string(kConfirmTitle), Buttons::kYesNo,
                                          Icon::kNone});
  };
  return ask(question) == Answer::kYes && ask(give_up) == Answer::kNo;
}

void ItemSetEditor::AddItem(const ItemFields& fields) {
  const int slot = NewItemSlot(context_.list.RowCount());
  if (slot == kNoRow) {
    Tell("これ以上追加出来ません", kMistakeTitle);
    return;
  }
  slots()[slot] = ItemFromFields(fields);
  InsertItemRow(context_.list, slots(), slot);
}

void ItemSetEditor::RewriteItem(const ItemFields& fields) {
  const int slot = SelectedRow(kMistakeTitle);
  if (slot == kNoRow) return;
  slots()[slot] = ItemFromFields(fields);
  context_.list.DeleteRow(slot);
  InsertItemRow(context_.list, slots(), slot);
}

std::optional<ItemFields> ItemSetEditor::ReadItem() {
  const int slot = SelectedRow(kMistakeTitle);
  if (slot == kNoRow) return std::nullopt;
  return FieldsFromItem(slots()[slot]);
}

void ItemSetEditor::DeleteItem() {
  const int slot = SelectedRow(kMistakeTitle);
  if (slot == kNoRow) return;
  RemoveItem(slots(), slot, context_.list.RowCount());
  context_.list.DeleteRow(slot);
}

bool ItemSetEditor::MoveItem(ItemMove move) {
  const int slot = SelectedRow("一行COPY");
  if (slot == kNoRow) return false;
  const int target = SwapTarget(slot, context_.list.RowCount(), move);
  if (target != slot) std::swap(slots()[slot], slots()[target]);
  FillItemList(context_.list, slots());
  constexpr unsigned kChosen = kStateSelected | kStateFocused;
  context_.list.SetRowState(target, kChosen, kChosen);
  return true;
}

void ItemSetEditor::ShowSet(int index) {
  context_.shown_set = index;
  FillItemList(context_.list, slots());
}

void ItemSetEditor::ShowPreviousSet(const SetHeader& typed) {
  StoreHeader(typed);
  ShowSet(PreviousSetIndex(context_.shown_set));
}

void ItemSetEditor::ShowNextSet(const SetHeader& typed) {
  StoreHeader(typed);
  ShowSet(NextSetIndex(context_.shown_set));
}

void ItemSetEditor::StoreHeader(const SetHeader& typed) {
  StoreSetHeader(context_.table.sets[context_.shown_set], typed);
}

void ItemSetEditor::CopySet() {
  context_.table.set_clipboard = slots();
}

bool ItemSetEditor::PasteSet() {
  if (!ConfirmTwice("リスト全部貼付して良いですか。", "やっぱり全部貼付やめますか。")) return false;
  slots() = context_.table.set_clipboard;
  FillItemList(context_.list, slots());
  return true;
}

bool ItemSetEditor::ClearSet() {
  if (!ConfirmTwice("リスト全部消して良いですか。", "やっぱり全部削除やめますか。")) return false;
  ClearSlots(slots());
  FillItemList(context_.list, slots());
  return true;
}

std::optional<std::string> ItemSetEditor::LoadPartialScript() {
  if (!ConfirmTwice("部分スクリプトを読込しますか。", "やっぱり読込やめますか。")) {
    return std::nullopt;
  }
  const PartialScriptResult result = drawlot::LoadPartialScript(
      context_.owner, context_.table, context_.shown_set, context_.startup_folder, context_.picker);
  if (result == PartialScriptResult::kFileError) {
    Tell("ファイルの読込めませんでした。", "読込エラー！");
  }
  if (result != PartialScriptResult::kDone) return std::nullopt;
  FillItemList(context_.list, slots());
  return std::string(TitleFromPartialScriptPath(context_.table.last_partial_script_path.view()));
}

void ItemSetEditor::SavePartialScript() {
  if (!ConfirmTwice("部分スクリプトを保存しますか。", "やっぱり保存やめますか。")) return;
  const PartialScriptResult result = drawlot::SavePartialScript(
      context_.owner, context_.table, context_.shown_set, context_.startup_folder, context_.picker);
  if (result == PartialScriptResult::kFileError) {
    Tell("ファイルの保存出来ませんでした。", "書込エラー！");
  }
}

}  // namespace drawlot
