#include "core/items/set_choice.h"

namespace drawlot {

std::vector<std::string> SetChoiceTitles(const ScriptItemTable& table) {
  std::vector<std::string> titles;
  for (int i = 0, count = TitledSetCount(table); i < count; ++i) {
    titles.push_back(table.sets[i].title.str());
  }
  return titles;
}

std::optional<int> FindSetByTitle(const ScriptItemTable& table, std::string_view text) {
  for (int i = 0; i < kSetCount; ++i) {
    if (table.sets[i].title.view() == text) return i;
  }
  return std::nullopt;
}

bool ChooseCurrentSet(WindowRef owner, std::string_view text, const ScriptItemTable& table,
                      EnvironmentSettings& settings, Prompter& prompter) {
  if (text.empty()) {
    prompter.Tell(owner, "Comboboxを再選択して下さい。", "残念！", Icon::kNone);
    return false;
  }
  const std::optional<int> index = FindSetByTitle(table, text);
  if (!index) {
    prompter.Tell(owner, "Comboboxの内容が登録内容と異なります。", "残念！", Icon::kNone);
    return false;
  }
  settings.autocad_type = TypeFromSetIndex(*index);
  return true;
}

}  // namespace drawlot
