// The main window's commands that save scripts, save and load list files and open the script
// in Notepad. The runs are in run_commands.h.
#pragma once

#include "core/script/script_writer.h"
#include "win/app/application.h"

namespace drawlot {

// 37852 and 37853: the script into a chosen file, and "スクリプトファイル作成完了！".
void SaveScriptFileCommand(Application& app, ScriptRowScope scope);
// 37849 and 37850: the list to and from a chosen file.
void SaveListToFileCommand(Application& app);
void LoadListFromFileCommand(Application& app);
// 37835: the script file in Notepad.
void EditScriptFileCommand(Application& app);

}  // namespace drawlot
