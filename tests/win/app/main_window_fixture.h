// The main window as the tests make it: in a start-up folder of their own, prepared or empty,
// with a scripted spooler and recorded boxes; and the window loaded with a prepared list.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/list/list_test_support.h"
#include "resources/resource_ids.h"
#include "support/fakes/in_memory_print_spooler.h"
#include "support/fakes/in_memory_row_store.h"
#include "support/recording_prompter.h"
#include "support/temp_folder.h"
#include "win/app/main_window.h"

namespace drawlot::testing {

using Texts = std::vector<std::string>;

inline constexpr char kColumnsMissing[] = "カラム設定ファイルがありません。初期値にします。";
inline constexpr char kSettingsMissing[] = "設定ファイルがありません。環境設定をし直して下さい。";

// Set 2 is current: file name, a hidden item, folder, an initial value.
inline void WritePreparedSettings(const TempFolder& folder) {
  ScriptItemTable table{};
  ClearTable(table);
  for (int set = 0; set < 3; ++set) table.sets[set].present = 1;
  table.sets[0].title = "最初のセット";
  table.sets[1].title = "二番目";
  table.sets[2].title = "印刷セット";
  table.sets[0].items = Slots({Item("ゼロ").display(1).width(50)});
  table.sets[2].items = Slots({Item("ファイル名").display(1).width(120), Item("隠し").width(70),
                               Item("フォルダ").display(2).width(200),
                               Item("プリンタ").display(4).edit(3).initial("PDF").width(90)});
  folder.Write(kSetTitleFileName, SerializeSetTitles(table));
  folder.Write(kItemSetFileName, SerializeItemSets(table));

  EnvironmentSettings settings{};
  ApplyEnvironmentDefaults(settings, folder.path());
  settings.autocad_type = '2';
  settings.file_folder = "d:\\図面\\表";
  folder.Write(kEnvironmentFileName, SerializeEnvironmentSettings(settings));
}

inline void WriteList(const TempFolder& folder, const Texts& first_cells) {
  InMemoryRowStore store;
  for (int column = 0; column < 3; ++column) store.InsertColumn(column, "c", 10);
  for (const std::string& name : first_cells) {
    const int row = store.InsertRow(store.RowCount(), name, kIconDwg, 0);
    store.SetCell(row, 1, "c:\\drawings");
    store.SetCell(row, 2, "A3");
  }
  folder.Write(kListFileName, SerializeList(store));
}

inline void DrainMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageA(&message);
  }
}

class MainWindowTest : public ::testing::Test {
 protected:
  // The window sees the printers of a scripted spooler (none unless a test adds them), so that
  // its start-up boxes do not depend on the queues of the machine.
  MainWindowTest() {
    auto spooler = std::make_unique<InMemoryPrintSpooler>();
    spooler_ = spooler.get();
    app_.spooler = std::move(spooler);
  }

  void TearDown() override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    DrainMessages();
    UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  }

  void Create() {
    ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));
    app_.open_web_page = [this](const std::string& address) { opened_.push_back(address); };
    window_ = CreateMainWindow(app_);
    ASSERT_NE(window_, nullptr);
  }
  // Made, and its printers read (on a worker) and taken.
  void Open() {
    Create();
    if (window_) WaitForStartupPrinters(app_);
  }

  HWND Child(int id) const { return GetDlgItem(window_, id); }
  WindowRef Main() const { return reinterpret_cast<WindowRef>(window_); }

  std::string StatusText(int part) {
    char text[512] = {};
    SendMessageA(Child(IDC_STATUS_BAR), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
  }

  Texts ColumnTitles() {
    Texts titles;
    for (int column = 0; column < app_.rows->ColumnCount(); ++column) {
      char title[64] = {};
      LVCOLUMNA info{};
      info.mask = LVCF_TEXT;
      info.pszText = title;
      info.cchTextMax = sizeof title;
      SendMessageA(Child(IDC_DRAWING_LIST), LVM_GETCOLUMNA, column,
                   reinterpret_cast<LPARAM>(&info));
      titles.push_back(title);
    }
    return titles;
  }

  Texts FirstCells() {
    Texts cells;
    for (int row = 0; row < app_.rows->RowCount(); ++row) {
      cells.push_back(app_.rows->GetCell(row, 0, 260));
    }
    return cells;
  }

  void Command(int id) { SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  LRESULT NotifyFromList(NMHDR& header) {
    header.hwndFrom = Child(IDC_DRAWING_LIST);
    header.idFrom = IDC_DRAWING_LIST;
    return SendMessageA(window_, WM_NOTIFY, IDC_DRAWING_LIST, reinterpret_cast<LPARAM>(&header));
  }

  TempFolder folder_{"起動フォルダ"};
  RecordingPrompter prompter_;
  Application app_{folder_.path(), prompter_, GetModuleHandleA(nullptr)};
  InMemoryPrintSpooler* spooler_ = nullptr;
  HWND window_ = nullptr;
  Texts opened_;
};

class LoadedWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    WritePreparedSettings(folder_);
    WriteList(folder_, {"b.dwg", "A.dwg", "c.dwg"});
    Open();
  }
  void Select(int row) { app_.rows->SetRowState(row, kStateSelected, kStateSelected); }
};

}  // namespace drawlot::testing
