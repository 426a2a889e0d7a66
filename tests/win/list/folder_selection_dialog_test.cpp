// The folder-selection dialog under Wine, run modally as the main window runs it and driven by
// messages from a timer inside its loop, over real folders the test makes.
#include "win/list/folder_selection_dialog.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "support/temp_folder.h"
#include "win/app/list_commands.h"
#include "win/list/adding_fixture.h"

namespace drawlot::testing {
namespace {

// Wine reads a Linux dot-folder as hidden; on Windows a folder such as .svn is a plain folder.
class DotFoldersPlain : public Win32FileSystem {
 public:
  std::vector<DirectoryEntry> List(std::string_view pattern) const override {
    std::vector<DirectoryEntry> entries = Win32FileSystem::List(pattern);
    for (DirectoryEntry& entry : entries) {
      if (entry.name.starts_with('.')) entry.attributes &= ~kAttributeHidden;
    }
    return entries;
  }
};

HWND ListOf(HWND dialog) {
  return GetDlgItem(dialog, IDC_FOLDER_LIST);
}

Texts Names(HWND dialog) {
  Texts names;
  const HWND list = ListOf(dialog);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    char text[260] = {};
    LVITEMA item{};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    names.push_back(text);
  }
  return names;
}

std::vector<int> IconsOf(HWND dialog) {
  std::vector<int> icons;
  const HWND list = ListOf(dialog);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    icons.push_back(item.iImage);
  }
  return icons;
}

void Select(HWND dialog, const std::string& name) {
  const Texts names = Names(dialog);
  for (int row = 0; row < static_cast<int>(names.size()); ++row) {
    if (names[row] != name) continue;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageA(ListOf(dialog), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
  }
}

void DoubleClick(HWND dialog) {
  NMHDR header{ListOf(dialog), IDC_FOLDER_LIST, static_cast<UINT>(NM_DBLCLK)};
  SendMessageA(dialog, WM_NOTIFY, IDC_FOLDER_LIST, reinterpret_cast<LPARAM>(&header));
}

void Press(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string Current(HWND dialog) {
  char text[300] = {};
  GetDlgItemTextA(dialog, IDC_FOLDER_CURRENT, text, sizeof text);
  return text;
}

class FolderSelectionTest : public AddingFixture {
 protected:
  FolderSelectionTest() {
    temp.MakeFolder("work");
    temp.MakeFolder("work\\2024");
    temp.Write("work\\2024\\a.dwg", "x");
    temp.Write("work\\2024\\x.dxf", "x");
    temp.MakeFolder("work\\empty");
    temp.MakeFolder("work\\plans");
    temp.Write("work\\plans\\p.dxf", "x");
    temp.Write("work\\plans\\p.dwg", "x");
    temp.MakeFolder("work\\.svn");
    temp.MakeFolder("work\\hidden");
    SetFileAttributesA(temp.File("work\\hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    sources.files = &files;
  }

  // Runs the dialog as the main window does; `script` drives it once it is up.
  void Run(const std::function<void(HWND)>& script) {
    ModalAnswerer answerer("フォルダ選択式", script);
    ChooseFoldersCommand(app);
    ASSERT_TRUE(answerer.answered());
  }

  TempFolder temp{"フォルダ選択"};
  DotFoldersPlain files;
};

TEST_F(FolderSelectionTest, DoubleClicksMoveUpAndDotFoldersGoUpToo) {
  app.settings.file_folder = temp.File("work\\2024");
  Texts shown;
  std::string after_up;
  Texts up_rows;
  std::vector<int> up_icons;
  std::string after_dot_folder;
  Run([&](HWND dialog) {
    shown = {Current(dialog)};
    Select(dialog, "..");
    DoubleClick(dialog);
    after_up = Current(dialog);
    up_rows = Names(dialog);
    up_icons = IconsOf(dialog);
    Select(dialog, ".svn");
    DoubleClick(dialog);
    after_dot_folder = Current(dialog);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(shown, (Texts{temp.File("work\\2024")}));
  EXPECT_EQ(after_up, temp.File("work"));
  // The first entry, then plain folders only: the hidden folder is not listed.
  EXPECT_EQ(up_rows, (Texts{".", "..", ".svn", "2024", "empty", "plans"}));
  EXPECT_EQ(up_icons, (std::vector<int>{0, 0, 0, 1, 1, 1}));
  EXPECT_EQ(after_dot_folder, temp.path());
  EXPECT_EQ(app.settings.file_folder.view(), temp.path());  // the moves outlive the dialog
  EXPECT_EQ(app.rows->RowCount(), 0);
}

TEST_F(FolderSelectionTest, DoubleClickGoesDownAndDoesNothingWithoutSelection) {
  app.settings.file_folder = temp.File("work");
  std::string unmoved;
  std::string moved;
  Run([&](HWND dialog) {
    DoubleClick(dialog);
    unmoved = Current(dialog);
    Select(dialog, "plans");
    DoubleClick(dialog);
    moved = Current(dialog);
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(unmoved, temp.File("work"));
  EXPECT_EQ(moved, temp.File("work\\plans"));
}

TEST_F(FolderSelectionTest, BothKindsLoadDwgThenDxfFolderByFolderAndTheKindIsKept) {
  app.settings.file_folder = temp.File("work");
  bool dwg_checked_first = false;
  Run([&](HWND dialog) {
    dwg_checked_first = IsDlgButtonChecked(dialog, IDC_FOLDER_KIND_DWG) == BST_CHECKED;
    CheckRadioButton(dialog, IDC_FOLDER_KIND_DWG, IDC_FOLDER_KIND_BOTH, IDC_FOLDER_KIND_BOTH);
    Press(dialog, IDC_FOLDER_KIND_BOTH);
    Select(dialog, "2024");
    Select(dialog, "empty");
    Select(dialog, "plans");
    Press(dialog, IDC_FOLDER_LOAD);  // closes the dialog: something was added
  });
  EXPECT_TRUE(dwg_checked_first);
  EXPECT_EQ(Column(0), (Texts{"a.dwg", "x.dxf", "p.dwg", "p.dxf"}));
  EXPECT_EQ(Column(1), (Texts{temp.File("work\\2024"), temp.File("work\\2024"),
                              temp.File("work\\plans"), temp.File("work\\plans")}));
  EXPECT_EQ(Icons(), (std::vector<int>{kIconDwg, kIconDxf, kIconDwg, kIconDxf}));
  EXPECT_TRUE(prompter.shown.empty());

  bool both_checked_again = false;
  Run([&](HWND dialog) {
    both_checked_again = IsDlgButtonChecked(dialog, IDC_FOLDER_KIND_BOTH) == BST_CHECKED;
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_TRUE(both_checked_again);
  EXPECT_EQ(sources.folder_kind, FolderLoadKind::kDwgAndDxf);
}

TEST_F(FolderSelectionTest, NothingLoadedWarnsAndKeepsTheDialogOpen) {
  app.settings.file_folder = temp.File("work");
  bool open_after_first = false;
  bool open_after_second = false;
  LRESULT selected_after = -1;
  HWND dialog_seen = nullptr;
  Run([&](HWND dialog) {
    dialog_seen = dialog;
    Press(dialog, IDC_FOLDER_LOAD);
    open_after_first = IsWindowVisible(dialog);
    Select(dialog, "empty");
    Press(dialog, IDC_FOLDER_LOAD);
    open_after_second = IsWindowVisible(dialog);
    selected_after = SendMessageA(ListOf(dialog), LVM_GETSELECTEDCOUNT, 0, 0);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(Boxes(), (Texts{"読込出来ません！ / フォルダ選択", "読込出来ません！ / フォルダ選択"}));
  EXPECT_EQ(prompter.shown[0].icon, Icon::kWarning);
  EXPECT_EQ(prompter.shown[0].owner, reinterpret_cast<WindowRef>(dialog_seen));
  EXPECT_TRUE(open_after_first);
  EXPECT_TRUE(open_after_second);
  EXPECT_EQ(selected_after, 0);
  EXPECT_EQ(app.rows->RowCount(), 0);
}

TEST_F(FolderSelectionTest, DotEntryLoadsTheCurrentFolder) {
  app.settings.file_folder = temp.File("work\\2024");
  Run([&](HWND dialog) {
    Select(dialog, ".");
    Press(dialog, IDC_FOLDER_LOAD);
  });
  EXPECT_EQ(Column(0), (Texts{"a.dwg"}));
  EXPECT_EQ(Column(1), (Texts{temp.File("work\\2024\\.")}));
}

TEST_F(FolderSelectionTest, DriveRootListsTheOtherFixedDriveFirst) {
  sources.files = &sources.system_files;
  app.settings.file_folder = "C:\\";
  Texts rows;
  std::vector<int> icons;
  Run([&](HWND dialog) {
    rows = Names(dialog);
    icons = IconsOf(dialog);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], "z:\\");  // Wine has the fixed drives C: and Z:
  EXPECT_EQ(icons[0], 2);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), "c:\\"), 0);
}

TEST_F(FolderSelectionTest, RulesApplyOnlyToTheRowsTheDialogAdded) {
  ItemSlots& items = app.items.sets[0].items;
  for (int slot = 3; slot < 6; ++slot) {
    items[slot] = Item("値").display(4).width(100);
    items[slot].initial_value = "-";
  }
  BuildColumns(*app.rows, app.current_items());
  app.settings.file_set.chg_on = '1';
  app.settings.file_set.ps = '1';
  app.settings.file_set.fp_ps[0].search = "p";
  app.settings.file_set.fp_ps[0].printer = "PRN";
  InsertDrawingRow(*app.rows, app.current_items(), app.tags,
                   NewDrawing{"plan_old.dwg", "c:\\old", "", kIconDwg}, 0);
  app.settings.file_folder = temp.File("work");
  Run([&](HWND dialog) {
    Select(dialog, "plans");
    Press(dialog, IDC_FOLDER_LOAD);
  });
  EXPECT_EQ(Column(0), (Texts{"plan_old.dwg", "p.dwg"}));
  EXPECT_EQ(Column(5), (Texts{"-", "PRN"}));
}

}  // namespace
}  // namespace drawlot::testing
