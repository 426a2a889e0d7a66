#include "core/workspace/workspace.h"

#include <exception>

#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/text/file_io.h"

namespace drawlot {

namespace {

// The start-up box of a set file that was not read: missing (the defaults), or there but
// unreadable, when the user is told that it stays as it is, its content never seen.
void TellSetFile(int result, std::string_view unreadable_text, Prompter& prompter,
                 WindowRef owner) {
  if (result == kSettingsMissing) {
    prompter.Tell(owner, "カラム設定ファイルがありません。初期値にします。", "初期設定１",
                  Icon::kWarning);
  } else if (result == kSettingsUnreadable) {
    prompter.Tell(owner, unreadable_text, "初期設定１", Icon::kWarning);
  }
}

void TellEnvironmentFile(int result, Prompter& prompter, WindowRef owner) {
  if (result == kSettingsMissing) {
    prompter.Tell(owner, "設定ファイルがありません。環境設定をし直して下さい。", "初期設定２",
                  Icon::kWarning);
  } else if (result == kSettingsUnreadable) {
    prompter.Tell(owner,
                  "設定ファイル plot_set.ini を読込出来ません。初期値にしますが、"
                  "このファイルは書き換えずにそのまま残します。",
                  "初期設定２", Icon::kWarning);
  }
}

// "drawlot.ini" missing means the defaults, and nothing is said. One there but unreadable is
// kept as the other files are; values that are not valid are said once, by their keys.
void TellProgramFile(int result, const ProgramSettingsFile& file, Prompter& prompter,
                     WindowRef owner) {
  if (result == kSettingsUnreadable) {
    prompter.Tell(owner,
                  "設定ファイル drawlot.ini を読込出来ません。初期値にしますが、"
                  "このファイルは書き換えずにそのまま残します。",
                  "初期設定２", Icon::kWarning);
  } else if (!file.invalid_keys().empty()) {
    std::string keys;
    for (const std::string& key : file.invalid_keys()) keys += (keys.empty() ? "" : "、") + key;
    prompter.Tell(
        owner, "設定ファイル drawlot.ini の " + keys + " の値が正しくありません。初期値にします。",
        "初期設定２", Icon::kWarning);
  }
}

void TellListKept(Prompter& prompter, WindowRef owner) {
  prompter.Tell(owner,
                "リストファイル listview.ini を読込出来ません。空のリストで始めますが、"
                "このファイルは書き換えずにそのまま残します。",
                "ﾌｧｲﾙｴﾗｰ", Icon::kWarning);
}

}  // namespace

bool ReadSettingsAtStart(const WorkspaceRecords& workspace, StartupReads& reads, Prompter& prompter,
                         WindowRef owner) {
  reads.set_titles = LoadSetTitles(workspace.items, workspace.folder);
  TellSetFile(reads.set_titles,
              "カラム設定ファイル drwlt_set1.ini を読込出来ません。初期値にしますが、"
              "このファイルは書き換えずにそのまま残します。",
              prompter, owner);
  reads.item_sets = LoadItemSets(workspace.items, workspace.folder);
  TellSetFile(reads.item_sets,
              "カラム設定ファイル drwlt_set2.ini を読込出来ません。初期値にしますが、"
              "このファイルは書き換えずにそのまま残します。",
              prompter, owner);
  reads.environment = LoadEnvironmentSettings(workspace.settings, workspace.folder);
  TellEnvironmentFile(reads.environment, prompter, owner);
  reads.program = LoadProgramSettings(workspace.program_file, workspace.program, workspace.folder);
  TellProgramFile(reads.program, workspace.program_file, prompter, owner);
  reads.finished = true;
  return reads.environment == kSettingsMissing;
}

void LoadListAtStart(const WorkspaceRecords& workspace, RowStore& rows, RowTagSource& tags,
                     StartupReads& reads, Prompter& prompter, WindowRef owner) {
  const std::string path = JoinPath(workspace.folder, kListFileName);
  if (CheckListFile(path) == ListFileStatus::kUnreadable) {
    reads.list_kept = true;
    return TellListKept(prompter, owner);
  }
  bool whole = true;
  try {
    LoadList(rows, path, tags, &whole);
  } catch (const std::exception&) {
    whole = false;
  }
  if (!whole) {
    rows.DeleteAllRows();  // the rows that got in are not the list
    reads.list_kept = true;
    return TellListKept(prompter, owner);
  }
  reads.list_loaded = true;
}

void SaveListAtClose(const WorkspaceRecords& workspace, const RowStore& rows,
                     const StartupReads& reads, Prompter& prompter, WindowRef owner) {
  if (!reads.list_loaded) return;
  try {
    SaveList(owner, rows, JoinPath(workspace.folder, kListFileName), prompter);
  } catch (const std::exception&) {
    // Out of memory building the file: the old file stays, and the user is told as for any
    // list that cannot be saved. The caller still ends the run, or the settings are lost too.
    prompter.Tell(owner, kCannotSaveText, kCannotSaveTitle, Icon::kWarning);
  }
}

void SaveSettingsAtExit(const WorkspaceRecords& workspace, const StartupReads& reads,
                        Prompter& prompter) {
  if (reads.MayWrite(reads.environment)) {
    SaveEnvironmentSettings(workspace.settings, workspace.folder, prompter);
  }
  if (reads.MayWrite(reads.set_titles)) SaveSetTitles(workspace.items, workspace.folder, prompter);
  if (reads.MayWrite(reads.item_sets) && reads.MayWrite(reads.set_titles)) {
    SaveItemSets(workspace.items, workspace.folder, prompter);
  }
  if (reads.MayWrite(reads.program) && workspace.program_file.Differs(workspace.program)) {
    SaveProgramSettings(workspace.program_file, workspace.program, workspace.folder, prompter);
  }
}

}  // namespace drawlot
