// Scripts and lists under names the user chooses, and the script file opened in Notepad.
#pragma once

#include <string_view>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/file_name_picker.h"
#include "core/platform/launcher.h"
#include "core/platform/prompter.h"
#include "core/script/script_writer.h"

namespace drawlot {

inline constexpr std::string_view kScriptSavedText = "スクリプトファイル作成完了！";
inline constexpr std::string_view kScriptSavedTitle = "Quillon";
inline constexpr std::string_view kNotepadCommand = "notepad.exe";
inline constexpr std::string_view kNotepadMissingText = "notepad.exeが見つかりませんでした。";
inline constexpr std::string_view kNotepadMissingTitle = "スクリプトファイル編集";

// The save dialog of scripts: "ファイル書込", "ScrFile(*.scr)" then "AllFile(*.*)", the name
// field preset to the start-up folder and "\*.scr".
FileDialogRequest ScriptFileDialog(WindowRef owner, std::string_view startup_folder);

// The dialogs of list files: "ファイル書込" to save, "ファイル読込" to load, "IniFile(*.ini)"
// then "AllFile(*.*)", the name field preset to the start-up folder and "\*.ini".
FileDialogRequest ListFileDialog(WindowRef owner, FileDialogKind kind,
                                 std::string_view startup_folder);

// Asks for a file name, forces ".scr" onto it and writes the script of the rows of `scope`
// (0 or 1) there. False when the dialog was cancelled or the script was not written.
bool SaveScriptFile(WindowRef owner, RowStore& rows, ScriptRowScope scope,
                    std::string_view startup_folder, FileNamePicker& picker, const ItemSlots& items,
                    const EnvironmentSettings& settings, Prompter& prompter);

// Asks for a file name, forces ".ini" onto it and saves the list there. Nothing happens when
// the dialog is cancelled.
void SaveListToFile(WindowRef owner, const RowStore& rows, std::string_view startup_folder,
                    FileNamePicker& picker, Prompter& prompter);

// The rows replaced by those of the list file at `path` (the one the load dialog gave). A file
// that cannot be read, or that is no list file, gets a box owned by `owner` and leaves the
// rows as they were. The start-up folder, where the settings and "listview.ini" are written,
// has no part in it and stays as it is.
void ReplaceListFromFile(WindowRef owner, RowStore& rows, const std::string& path,
                         RowTagSource& tags, Prompter& prompter);

// `notepad.exe "<temp_file>"`: the command line Notepad sees, on the script file.
std::string NotepadCommandLine(std::string_view script_path);

// Opens `temp_file` in the Notepad at `notepad_program` (the system's own, never one found
// along the search path, which starts in the current folder) without waiting for it; a box
// when Notepad cannot be started.
void EditScriptFile(WindowRef owner, const EnvironmentSettings& settings,
                    const std::string& notepad_program, Launcher& launcher, Prompter& prompter);

}  // namespace drawlot
