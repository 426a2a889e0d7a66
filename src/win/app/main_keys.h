// The keys of the drawing list: an accelerator table made from one table of keys, translated in
// the message loop only while the main window or its list has the focus (never in the cell
// editor or a dialog), and shown after a tab in the captions of the menu items they run.
#pragma once

#include <windows.h>

#include "win/app/application.h"

namespace drawlot {

// The accelerator table for the life of the message loop.
class MainKeyTable {
 public:
  MainKeyTable();
  ~MainKeyTable();
  MainKeyTable(const MainKeyTable&) = delete;
  MainKeyTable& operator=(const MainKeyTable&) = delete;
  HACCEL handle() const { return table_; }

 private:
  HACCEL table_;
};

// True when `message` was one of the keys and has been sent to the main window as its command.
bool TranslateMainKeys(const Application& app, HACCEL keys, MSG& message);

// Adds a tab and the key to the caption of every item of `menu` that has a key; the caption
// before the tab stays as it is.
void ShowKeysInMenu(HMENU menu);

}  // namespace drawlot
