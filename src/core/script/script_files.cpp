#include "core/script/script_files.h"

#include "core/list/list_file.h"
#include "core/script/file_extension.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr std::string_view kSaveTitle = "ファイル書込";
constexpr std::string_view kLoadTitle = "ファイル読込";

FileDialogRequest Request(WindowRef owner, FileDialogKind kind, std::string_view title,
                          FileFilter type, std::string_view startup_folder) {
  FileDialogRequest request;
  request.owner = owner;
  request.kind = kind;
  request.title = title;
  // Every file of the type in the start-up folder.
  request.initial_name = JoinWithBackslash(startup_folder, type.pattern);
  request.filters = {std::move(type), FileFilter{"AllFile(*.*)", "*.*"}};
  return request;
}

}  // namespace

FileDialogRequest ScriptFileDialog(WindowRef owner, std::string_view startup_folder) {
  return Request(owner, FileDialogKind::kSave, kSaveTitle, FileFilter{"ScrFile(*.scr)", "*.scr"},
                 startup_folder);
}

FileDialogRequest ListFileDialog(WindowRef owner, FileDialogKind kind,
                                 std::string_view startup_folder) {
  return Request(owner, kind, kind == FileDialogKind::kSave ? kSaveTitle : kLoadTitle,
                 FileFilter{"IniFile(*.ini)", "*.ini"}, startup_folder);
}

bool SaveScriptFile(WindowRef owner, RowStore& rows, ScriptRowScope scope,
                    std::string_view startup_folder, FileNamePicker& picker, const ItemSlots& items,
                    const EnvironmentSettings& settings, Prompter& prompter) {
  const auto chosen = picker.PickFileName(ScriptFileDialog(owner, startup_folder));
  if (!chosen) return false;
  return WriteScript(owner, rows, scope, ForceExtension(*chosen, kScriptExtension), items, settings,
                     prompter);
}

void SaveListToFile(WindowRef owner, const RowStore& rows, std::string_view startup_folder,
                    FileNamePicker& picker, Prompter& prompter) {
  const auto chosen =
      picker.PickFileName(ListFileDialog(owner, FileDialogKind::kSave, startup_folder));
  if (!chosen) return;
  SaveList(owner, rows, ForceExtension(*chosen, kListExtension), prompter);
}

void ReplaceListFromFile(WindowRef owner, RowStore& rows, const std::string& path,
                         RowTagSource& tags, Prompter& prompter) {
  switch (CheckListFile(path)) {
    case ListFileStatus::kList: {
      rows.DeleteAllRows();
      bool whole = true;
      LoadList(rows, path, tags, &whole);
      // A read error or a line far longer than any list line ends the rows early: the user
      // sees the list that got in and is told that it is not the whole file.
      if (!whole) {
        prompter.Tell(owner, "リストファイルを最後まで読込出来ませんでした。読込めた行までです。",
                      "ファイル読込", Icon::kWarning);
      }
      return;
    }
    case ListFileStatus::kNotAList:
      prompter.Tell(owner, "リストファイルではありません。リストはそのままです。", "ファイル読込",
                    Icon::kWarning);
      return;
    default:
      prompter.Tell(owner, "ファイルを読込出来ません。リストはそのままです。", "ファイル読込",
                    Icon::kWarning);
      return;
  }
}

std::string NotepadCommandLine(std::string_view script_path) {
  std::string line(kNotepadCommand);
  line.append(" \"");
  line.append(script_path);
  line.push_back('"');
  return line;
}

void EditScriptFile(WindowRef owner, const EnvironmentSettings& settings,
                    const std::string& notepad_program, Launcher& launcher, Prompter& prompter) {
  if (launcher.Start(notepad_program, NotepadCommandLine(settings.temp_file.view()))) return;
  prompter.Tell(owner, kNotepadMissingText, kNotepadMissingTitle, Icon::kNone);
}

}  // namespace drawlot
