#include "core/model/script_item.h"

namespace drawlot {
namespace {

constexpr std::string_view kError = "Error";

constexpr std::array<std::string_view, 5> kOutputModeLabels = {"0:無", "1:COM+PS", "2:ｺﾏﾝﾄﾞ",
                                                               "3:1文字", "4:全文字"};
constexpr std::array<std::string_view, 5> kDisplayModeLabels = {"0:非表示", "1:ﾌｧｲﾙ名", "2:ﾌｫﾙﾀﾞ名",
                                                                "3:日時", "4:初期値"};
constexpr std::array<std::string_view, 6> kEditModeLabels = {"0:無",     "1:text", "2:選択",
                                                             "3:出力先", "4:用紙", "5:ｽﾀｲﾙ"};

std::string_view LabelOf(std::span<const std::string_view> labels, std::int32_t mode) {
  if (mode < 0 || static_cast<std::size_t>(mode) >= labels.size()) return kError;
  return labels[static_cast<std::size_t>(mode)];
}

}  // namespace

std::span<const std::string_view> OutputModeLabels() {
  return kOutputModeLabels;
}
std::span<const std::string_view> DisplayModeLabels() {
  return kDisplayModeLabels;
}
std::span<const std::string_view> EditModeLabels() {
  return kEditModeLabels;
}

std::string_view OutputModeLabel(std::int32_t mode) {
  return LabelOf(kOutputModeLabels, mode);
}

std::string_view DisplayModeLabel(std::int32_t mode) {
  return LabelOf(kDisplayModeLabels, mode);
}

std::string_view EditModeLabel(std::int32_t mode) {
  return LabelOf(kEditModeLabels, mode);
}

std::int32_t ModeFromLabel(std::string_view label) {
  if (label.empty() || label[0] < '0' || label[0] > '9') return 0;
  return label[0] - '0';
}

void ClearSlots(ItemSlots& slots) {
  slots.fill(ScriptItem{});
}

void ClearTable(ScriptItemTable& table) {
  for (ScriptItemSet& set : table.sets) {
    set.present = 0;
    set.title.Clear();
    ClearSlots(set.items);
  }
  ClearSlots(table.set_clipboard);
  table.last_partial_script_path.Clear();
}

int ItemCount(const ItemSlots& slots) {
  int count = 0;
  while (count < kItemSlotCount && slots[count].present != 0) ++count;
  return count;
}

int TitledSetCount(const ScriptItemTable& table) {
  int count = 0;
  while (count < kSetCount && !table.sets[count].title.empty()) ++count;
  return count;
}

int PresentSetCount(const ScriptItemTable& table) {
  int count = 0;
  while (count < kSetCount && table.sets[count].present != 0) ++count;
  return count;
}

int SetIndexFromType(char autocad_type) {
  const int index = static_cast<unsigned char>(autocad_type) - 0x30;
  return (index >= 0 && index < kSetCount) ? index : 0;
}

char TypeFromSetIndex(int index) {
  return static_cast<char>(0x30 + index);
}

}  // namespace drawlot
