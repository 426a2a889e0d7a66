#include "win/app/main_keys.h"

#include <string>
#include <vector>

#include "win/app/main_commands.h"

namespace drawlot {

namespace {

// The keys of the command rows, in row order.
std::vector<ACCEL> KeyTable() {
  std::vector<ACCEL> table;
  for (const Command& command : MainCommands()) {
    for (const CommandKey& key : command.keys) {
      if (key.key == 0) continue;
      table.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)), key.key,
                            static_cast<WORD>(command.menu_id)});
    }
  }
  return table;
}

HACCEL CreateMainKeyTable() {
  std::vector<ACCEL> table = KeyTable();
  return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

void AddKeyToCaption(HMENU menu, UINT command_id, const char* key) {
  char caption[128] = {};
  if (GetMenuStringA(menu, command_id, caption, sizeof caption, MF_BYCOMMAND) <= 0) return;
  std::string text = caption;
  if (text.find('\t') != std::string::npos) return;  // shown already
  text += std::string("\t") + key;
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = text.data();
  SetMenuItemInfoA(menu, command_id, FALSE, &item);
}

}  // namespace

MainKeyTable::MainKeyTable() : table_(CreateMainKeyTable()) {}

MainKeyTable::~MainKeyTable() {
  if (table_) DestroyAcceleratorTable(table_);
}

bool TranslateMainKeys(const Application& app, HACCEL keys, MSG& message) {
  if (!keys || !app.main_window) return false;
  // The cell editor and the dialogs keep their keys: Enter ends an edit, Delete deletes text.
  if (message.hwnd != app.main_window && message.hwnd != app.drawing_list) return false;
  return TranslateAcceleratorA(app.main_window, keys, &message) != 0;
}

void ShowKeysInMenu(HMENU menu) {
  if (!menu) return;
  for (const Command& command : MainCommands()) {
    for (const CommandKey& key : command.keys) {
      if (key.shown) AddKeyToCaption(menu, command.menu_id, key.shown);
    }
  }
}

}  // namespace drawlot
