#include "win/app/main_keys.h"

#include <array>
#include <string>

#include "resources/resource_ids.h"

namespace drawlot {

namespace {

struct MainKey {
  WORD key;
  bool control;
  WORD command_id;
  const char* shown;  // nullptr: the command's first key is the one its menu item shows
};

constexpr std::array<MainKey, 8> kMainKeys = {{
    {VK_DELETE, false, IDM_DELETE_SELECTED, "Del"},
    {'A', true, IDM_MARK_ALL, "Ctrl+A"},
    {'C', true, IDM_COPY_ROW, "Ctrl+C"},
    {'V', true, IDM_PASTE_ROW, "Ctrl+V"},
    {VK_RETURN, false, IDM_EDIT_ROW, "Enter"},
    {VK_F2, false, IDM_EDIT_ROW, nullptr},
    {VK_F1, false, IDM_HELP, "F1"},
    {'Z', true, IDM_UNDO, "Ctrl+Z"},
}};

HACCEL CreateMainKeyTable() {
  std::array<ACCEL, kMainKeys.size()> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i].fVirt = static_cast<BYTE>(FVIRTKEY | (kMainKeys[i].control ? FCONTROL : 0));
    table[i].key = kMainKeys[i].key;
    table[i].cmd = kMainKeys[i].command_id;
  }
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
  for (const MainKey& key : kMainKeys) {
    if (key.shown) AddKeyToCaption(menu, key.command_id, key.shown);
  }
}

}  // namespace drawlot
