// A user's session under the real message loop: drawings dropped from Explorer (a real HDROP),
// the list's keys through the accelerator translation, undo of a paste, a delete and an
// all-delete, and the window where it was at the next start.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/recording_prompter.h"
#include "support/script_items.h"
#include "support/temp_folder.h"
#include "win/app/drawlot_run.h"
#include "win/app/main_window.h"
#include "win/platform/help_pages.h"
#include "win/support/modal_answerer.h"

namespace drawlot::testing {
namespace {

using Texts = std::vector<std::string>;

void WriteSettings(const TempFolder& folder) {
  ScriptItemTable table{};
  ClearTable(table);
  table.sets[0].present = 1;
  table.sets[0].items = Slots({Item("名前").display(1).width(80), Item("場所").display(2).width(80),
                               Item("日時").display(3).width(80),
                               Item("出力先").display(4).edit(1).initial("LBP").width(80),
                               Item("用紙").display(4).edit(1).initial("A3").width(80)});
  folder.Write(kSetTitleFileName, SerializeSetTitles(table));
  folder.Write(kItemSetFileName, SerializeItemSets(table));
  EnvironmentSettings settings{};
  ApplyEnvironmentDefaults(settings, folder.path());
  settings.autocad_type = '0';
  folder.Write(kEnvironmentFileName, SerializeEnvironmentSettings(settings));
}

HDROP MakeDrop(const Texts& paths) {
  std::string files;
  for (const std::string& path : paths) files += path + '\0';
  files += '\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + files.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), files.data(), files.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// A key as the user presses it: Ctrl held or not, the key posted to the window with the focus.
void Press(HWND target, WORD key, bool control = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageA(target, WM_KEYDOWN, key, 1);
}

// One step per tick of a thread timer, inside the program's own loop; none while a modal
// dialog holds the main window.
using Step = std::function<void(Application&)>;
std::vector<Step> g_steps;
std::size_t g_next = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND main = FindWindowA(kMainWindowClass, nullptr);
  if (!main || !IsWindowEnabled(main)) return;
  auto& app = *reinterpret_cast<Application*>(GetWindowLongPtrA(main, GWLP_USERDATA));
  if (g_next == g_steps.size()) {
    KillTimer(nullptr, timer);
    return (void)PostMessageA(main, WM_COMMAND, IDM_QUIT, 0);
  }
  g_steps[g_next++](app);
}

void RunSession(const TempFolder& folder, std::vector<Step> steps, Texts* opened = nullptr) {
  RecordingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  app.spooler = std::make_unique<InMemoryPrintSpooler>();
  app.open_web_page = [&](const std::string& page) { opened->push_back(page); };
  g_steps = std::move(steps);
  g_next = 0;
  SetTimer(nullptr, 0, 10, RunNextStep);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  EXPECT_TRUE(prompter.shown.empty());
}

Texts Cells(const Application& app, int column) {
  Texts cells;
  for (int row = 0; row < app.rows->RowCount(); ++row)
    cells.push_back(app.rows->GetCell(row, column, 260));
  return cells;
}

void Mark(Application& app, int row) {
  for (int each = 0; each < app.rows->RowCount(); ++each)
    app.rows->SetRowState(each, 0, kMarkStates);
  app.rows->SetRowState(row, kMarkStates, kMarkStates);
}

const Texts kAll{"a.DWG", "b.dwg", "c.dxf"};

// Drop a file, a folder and a text file; copy a row, paste it, undo the paste; mark all.
std::vector<Step> DropAndRowCopySteps(const TempFolder& folder) {
  return {
      [&folder](Application& app) {
        EXPECT_TRUE(GetWindowLongPtrA(app.main_window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
        const HDROP drop =
            MakeDrop({folder.File("a.DWG"), folder.File("図面"), folder.File("memo.txt")});
        SendMessageA(app.main_window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        EXPECT_EQ(Cells(app, 0), kAll);
        EXPECT_EQ(Cells(app, 1), (Texts{folder.path(), folder.File("図面"), folder.File("図面")}));
        // The report keeps its place when the window repaints its bar with the run's status.
        app.last_run_status = "完了";
        SendMessageA(app.main_window, WM_PAINT, 0, 0);  // every paint refreshes the texts
        char report[128] = {};
        SendMessageA(app.status_bar, SB_GETTEXTA, kRunStatusPart, reinterpret_cast<LPARAM>(report));
        EXPECT_STREQ(report, "完了　図面でない 1 件は追加しませんでした");
        Mark(app, 0);
        Press(app.drawing_list, 'C', true);
      },
      [](Application& app) {
        app.rows->SetCell(2, 4, "B1");
        Mark(app, 2);
        Press(app.drawing_list, 'V', true);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 4), (Texts{"A3", "A3", "A3"}));  // pasted
        Press(app.drawing_list, 'Z', true);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 4), (Texts{"A3", "A3", "B1"}));  // the paste undone
        Press(app.drawing_list, 'A', true);
      },
  };
}

// Delete in the cell editor stays the editor's; Delete on the list, the all-delete, two undos,
// F1, Enter; then the window is moved before the end.
std::vector<Step> DeleteUndoAndEditSteps(Texts& opened, std::optional<ModalAnswerer>& dialog) {
  return {
      [](Application& app) {
        EXPECT_EQ(app.rows->SelectedCount(), 3);
        Mark(app, 1);
        NMITEMACTIVATE click{};
        click.hdr = {app.drawing_list, IDC_DRAWING_LIST, static_cast<UINT>(NM_RCLICK)};
        click.iSubItem = 3;
        SendMessageA(app.main_window, WM_NOTIFY, IDC_DRAWING_LIST,
                     reinterpret_cast<LPARAM>(&click));
        ASSERT_NE(app.cell_editor_window, nullptr);
        Press(app.cell_editor_window, VK_DELETE);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 0), kAll);
        SendMessageA(app.main_window, WM_COMMAND, IDM_CLEAR_MARKS, 0);  // ends the editor
        Mark(app, 1);
        Press(app.drawing_list, VK_DELETE);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 0), (Texts{"a.DWG", "c.dxf"}));
        SendMessageA(app.main_window, WM_COMMAND, IDM_DELETE_ALL, 0);
        EXPECT_EQ(app.rows->RowCount(), 0);
        Press(app.drawing_list, 'Z', true);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 0), (Texts{"a.DWG", "c.dxf"}));  // the all-delete undone
        Press(app.drawing_list, 'Z', true);
      },
      [](Application& app) {
        EXPECT_EQ(Cells(app, 0), kAll);  // the delete undone
        Press(app.drawing_list, VK_F1);
      },
      [&](Application& app) {
        EXPECT_EQ(opened, (Texts{HelpPageLocation(kMainHelpPage)}));
        Mark(app, 0);
        dialog.emplace("", [](HWND box) {
          SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_EDIT_CANCEL, BN_CLICKED), 0);
        });
        Press(app.drawing_list, VK_RETURN);
      },
      [&](Application& app) {
        EXPECT_TRUE(dialog->answered());
        MoveWindow(app.main_window, 30, 40, 640, 480, FALSE);
      },
  };
}

// The window of a start with `line` in "drawlot.ini".
RECT StartedWindow(const TempFolder& folder, const std::string& line) {
  folder.Write("drawlot.ini", line + "\r\n");
  RECT seen{};
  RunSession(folder, {[&](Application& app) { GetWindowRect(app.main_window, &seen); }});
  return seen;
}

TEST(ListKeysSession, DropKeysUndoAndTheWindowWhereItWas) {
  TempFolder folder("ドロップ");
  WriteSettings(folder);
  folder.MakeFolder("図面");
  for (const char* name : {"a.DWG", "memo.txt", "図面\\b.dwg", "図面\\c.dxf"}) {
    folder.Write(name, "x");
  }
  Texts opened;
  std::optional<ModalAnswerer> edit_dialog;
  std::vector<Step> steps = DropAndRowCopySteps(folder);
  for (Step& step : DeleteUndoAndEditSteps(opened, edit_dialog)) steps.push_back(std::move(step));
  RunSession(folder, std::move(steps), &opened);
  EXPECT_EQ(folder.Read("drawlot.ini"), "main_window=30,40,640,480,0\r\n");

  const RECT restored = StartedWindow(folder, "main_window=30,40,640,480,0");
  EXPECT_EQ((std::vector{restored.left, restored.top, restored.right, restored.bottom}),
            (std::vector<LONG>{30, 40, 670, 520}));
  // A place on no monitor: the centred default.
  const RECT centred = StartedWindow(folder, "main_window=-9000,40,640,480,0");
  const WindowOrigin origin =
      MainWindowOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ((std::vector{centred.left, centred.top, centred.right - centred.left}),
            (std::vector<LONG>{origin.x, origin.y, kMainWindowWidth}));
}

}  // namespace
}  // namespace drawlot::testing
