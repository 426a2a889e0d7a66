// The whole program run by RunDrawlot, as far as only the real window and the real files can
// show it (the start-up boxes and the writes at the end are tested natively in the workspace's
// tests): files locked by another program, the boxes owned by the real window, the list written
// when the window is destroyed before the settings after the message loop, a start that fails
// half-way, and a class that cannot be registered.
#include "win/app/drawlot_run.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/items/item_set_files.h"
#include "core/text/file_io.h"
#include "win/app/main_window_fixture.h"

namespace drawlot::testing {
namespace {

// Records, for every box, which of the files written at the end exist at that moment.
class SnapshotPrompter : public Prompter {
 public:
  explicit SnapshotPrompter(const TempFolder& folder) : folder_(folder) {}
  Answer Show(const Message& message) override {
    std::string seen = message.title + ":";
    for (const char* name : {"plot_set.ini", "drwlt_set2.ini"}) {
      if (folder_.Exists(name)) seen += std::string(" ") + name;
    }
    if (message.owner != 0 && IsWindow(reinterpret_cast<HWND>(message.owner))) seen += " window";
    boxes.push_back(seen);
    return Answer::kOk;
  }
  Texts boxes;

 private:
  const TempFolder& folder_;
};

void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND window = FindWindowA(kMainWindowClass, nullptr);
  if (!window) return;
  KillTimer(nullptr, timer);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_QUIT, 0), 0);
}

// As CloseMainWindow, after making folders of the list's and the set titles' names in the
// start-up folder, so that both fail to be written at the end (they were read as missing).
void CALLBACK BlockTwoFilesAndClose(HWND window, UINT message, UINT_PTR timer, DWORD time) {
  const HWND main = FindWindowA(kMainWindowClass, nullptr);
  if (!main) return;
  const auto* app = reinterpret_cast<Application*>(GetWindowLongPtrA(main, GWLP_USERDATA));
  for (std::string_view name : {kListFileName, kSetTitleFileName}) {
    CreateDirectoryA(JoinPath(app->startup_folder, name).c_str(), nullptr);
  }
  CloseMainWindow(window, message, timer, time);
}

// Runs the program in `folder`, without printers (the boxes of the test CUPS's queues have no
// place among these), until `tick` closes the window at its first timer tick.
void RunUntilClosed(const TempFolder& folder, Prompter& prompter, TIMERPROC tick = CloseMainWindow,
                    const std::function<void(const Application&)>& after = {}) {
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  app.spooler = std::make_unique<InMemoryPrintSpooler>();
  SetTimer(nullptr, 0, 10, tick);
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  if (after) after(app);
}

// As CloseMainWindow, after the user added a row to the list.
void CALLBACK AddRowAndClose(HWND window, UINT message, UINT_PTR timer, DWORD time) {
  const HWND main = FindWindowA(kMainWindowClass, nullptr);
  if (!main) return;
  auto* app = reinterpret_cast<Application*>(GetWindowLongPtrA(main, GWLP_USERDATA));
  app->rows->InsertRow(0, "x.dwg", kIconDwg, app->tags.Next());
  CloseMainWindow(window, message, timer, time);
}

// The session's version of the kept file `kept` that the run left beside it.
std::string SessionVersionOf(const TempFolder& folder, std::string_view kept) {
  const std::string stem(kept.substr(0, kept.rfind('.')));
  for (const std::string& name : folder.Names()) {
    // stem, "_", date "-" time, ".ini"
    if (name.starts_with(stem + "_") && name.size() == stem.size() + 20) return name;
  }
  return "(none)";
}

// The one box at the end that says which files were kept and where the session's versions are.
Message KeptBox(const TempFolder& folder, std::initializer_list<std::string_view> kept) {
  std::string text =
      "読込出来なかったファイルは書き換えずにそのまま残しました。\n"
      "今回の内容は次の名前で保存しました。\n";
  for (std::string_view name : kept) {
    text += "\n" + std::string(name) + " → " + SessionVersionOf(folder, name);
  }
  return Box(0, text, "ﾌｧｲﾙｴﾗｰ", Icon::kWarning);
}

TEST(DrawlotRun, WritesTheListOnDestroyThenTheThreeSettingsFilesInOrder) {
  TempFolder folder("終了順");
  // Two files cannot be written (they become folders once the window runs), so their writers
  // say so: each box shows which of the other files existed at that moment.
  SnapshotPrompter prompter(folder);
  RunUntilClosed(folder, prompter, BlockTwoFilesAndClose);

  EXPECT_EQ(prompter.boxes, (Texts{"初期設定１: window", "初期設定１: window", "初期設定２: window",
                                   "ﾌｧｲﾙｴﾗｰ: window", "ﾌｧｲﾙｴﾗｰ: plot_set.ini"}));
  EXPECT_TRUE(folder.Exists(kItemSetFileName));
  EXPECT_TRUE(folder.Exists(kEnvironmentFileName));
}

// The first box fails as running out of memory would, half-way through the start-up reads.
class ThrowingPrompter : public Prompter {
 public:
  Answer Show(const Message&) override { throw std::bad_alloc(); }
};

TEST(DrawlotRun, AStartThatFailsHalfWayWritesNoSettingsFile) {
  TempFolder folder("途中");
  WritePreparedSettings(folder);
  DeleteFileA(folder.File(kSetTitleFileName).c_str());  // its box is the one that fails
  const std::string items = folder.Read(kItemSetFileName);
  const std::string settings = folder.Read(kEnvironmentFileName);
  ThrowingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // posted by the failed window
  EXPECT_EQ(folder.Names(), (Texts{"drwlt_set2.ini", "plot_set.ini"}));
  EXPECT_EQ(folder.Read(kItemSetFileName), items);
  EXPECT_EQ(folder.Read(kEnvironmentFileName), settings);
}

// Holds files open without sharing, as another program that locks them does, and lets them
// go at the box of the list (the last start-up box), so the files could be written at the end.
// A box owned by the real main window is recorded with kTheMainWindow as its owner.
constexpr WindowRef kTheMainWindow = 1;
class LockingPrompter : public RecordingPrompter {
 public:
  void Lock(const std::string& path) {
    locks_.push_back(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  }
  Answer Show(const Message& message) override {
    if (message.title == "ﾌｧｲﾙｴﾗｰ") Unlock();
    Message seen = message;
    char class_name[64] = {};
    GetClassNameA(reinterpret_cast<HWND>(message.owner), class_name, sizeof class_name);
    if (message.owner != 0 && std::string(class_name) == kMainWindowClass) {
      seen.owner = kTheMainWindow;
    }
    return RecordingPrompter::Show(seen);
  }
  void Unlock() {
    for (HANDLE lock : locks_) CloseHandle(lock);
    locks_.clear();
  }
  ~LockingPrompter() override { Unlock(); }

 private:
  std::vector<HANDLE> locks_;
};

// The start-up box of a file that is there but cannot be read.
Message Kept(const char* kind, const char* name, const char* instead, const char* title) {
  return Box(kTheMainWindow,
             std::string(kind) + " " + name + " を読込出来ません。" + instead +
                 "このファイルは書き換えずにそのまま残します。",
             title, Icon::kWarning);
}

TEST(DrawlotRun, FilesThatCannotBeReadAreToldOfAndKeptAsTheyAre) {
  TempFolder folder("ロック");
  WritePreparedSettings(folder);
  WriteList(folder, {"a.dwg", "b.dwg"});
  const Texts names = folder.Names();
  std::vector<std::string> before;
  for (const std::string& name : names) before.push_back(folder.Read(name));
  LockingPrompter prompter;
  for (std::string_view name : {kItemSetFileName, kEnvironmentFileName, kListFileName}) {
    prompter.Lock(folder.File(name));
  }
  RunUntilClosed(folder, prompter, AddRowAndClose, [&](const Application& app) {
    EXPECT_EQ(folder.Read(SessionVersionOf(folder, kItemSetFileName)),
              SerializeItemSets(app.items));
    EXPECT_EQ(folder.Read(SessionVersionOf(folder, kEnvironmentFileName)),
              SerializeEnvironmentSettings(app.settings));
  });

  EXPECT_EQ(prompter.shown,
            (Boxes{Kept("カラム設定ファイル", "drwlt_set2.ini", "初期値にしますが、", "初期設定１"),
                   Kept("設定ファイル", "plot_set.ini", "初期値にしますが、", "初期設定２"),
                   Kept("リストファイル", "listview.ini", "空のリストで始めますが、", "ﾌｧｲﾙｴﾗｰ"),
                   KeptBox(folder, {kListFileName, kItemSetFileName, kEnvironmentFileName})}));
  // Every file as it was (the readable set titles were written back unchanged); beside each
  // kept one the session's version, and the window's place in a file of its own.
  EXPECT_TRUE(DeleteFileA(folder.File("drawlot.ini").c_str()));
  EXPECT_EQ(folder.Names().size(), names.size() + 3);
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(folder.Read(names[i]), before[i]) << names[i];
  EXPECT_TRUE(
      folder.Read(SessionVersionOf(folder, kListFileName)).starts_with("max_cont=1\r\nx.dwg;"));
}

// The item-set file holds only the items of the sets the set titles mark as there: with the
// titles unread, no set is there, and writing the items back would leave an empty file. A line
// far longer than any the program writes ends the reading of the list there: the rows after it
// were never seen, so the list file is kept as one that cannot be read.
TEST(DrawlotRun, ItemSetsWithUnreadTitlesAndAListCutShortAreKept) {
  TempFolder folder("題名ロック");
  WritePreparedSettings(folder);
  const std::string items = folder.Read(kItemSetFileName);
  ASSERT_FALSE(items.empty());
  const std::string list =
      "max_cont=3\r\na.dwg\r\n" + std::string(kListLineMaxBytes + 1, 'x') + "\r\nc.dwg\r\n";
  folder.Write(kListFileName, list);
  LockingPrompter prompter;
  prompter.Lock(folder.File(kSetTitleFileName));
  RunUntilClosed(folder, prompter);

  EXPECT_EQ(prompter.shown,
            (Boxes{Kept("カラム設定ファイル", "drwlt_set1.ini", "初期値にしますが、", "初期設定１"),
                   Kept("リストファイル", "listview.ini", "空のリストで始めますが、", "ﾌｧｲﾙｴﾗｰ"),
                   KeptBox(folder, {kListFileName, kSetTitleFileName, kItemSetFileName})}));
  EXPECT_EQ(folder.Read(kItemSetFileName), items);
  EXPECT_EQ(folder.Read(kListFileName), list);
}

TEST(DrawlotRun, EndsAtOnceWhenTheClassCannotBeRegistered) {
  ASSERT_TRUE(RegisterMainWindowClass(GetModuleHandleA(nullptr)));  // taken already
  TempFolder folder;
  RecordingPrompter prompter;
  Application app(folder.path(), prompter, GetModuleHandleA(nullptr));
  EXPECT_EQ(RunDrawlot(app, SW_HIDE), 0);
  EXPECT_EQ(app.main_window, nullptr);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(folder.Exists(kEnvironmentFileName));
  UnregisterClassA(kMainWindowClass, GetModuleHandleA(nullptr));
}

}  // namespace
}  // namespace drawlot::testing
