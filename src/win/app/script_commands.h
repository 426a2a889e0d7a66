// The main window's commands that write scripts, run AutoCAD, save and load list files and
// open the script in Notepad, and the ticks of the timed run (timer 2 of the main window).
#pragma once

#include "core/script/script_writer.h"
#include "win/app/application.h"

namespace drawlot {

// 37832, 37830 and toolbar 336: the script of the rows of `scope`, then AutoCAD on it.
void RunScriptCommand(Application& app, ScriptRowScope scope);
// 37846: one AutoCAD process per row, blocking.
void RunPerRowCommand(Application& app);
// 37851: arms (or re-arms from row 0) the timed run.
void StartTimedRunCommand(Application& app);
// Timer 2 of the main window.
void TimedRunTickCommand(Application& app);
// The main window is being destroyed: an armed run ends without another tick.
void EndTimedRunCommand(Application& app);

// 37852 and 37853: the script into a chosen file, and "スクリプトファイル作成完了！".
void SaveScriptFileCommand(Application& app, ScriptRowScope scope);
// 37849 and 37850: the list to and from a chosen file.
void SaveListToFileCommand(Application& app);
void LoadListFromFileCommand(Application& app);
// 37835: the script file in Notepad.
void EditScriptFileCommand(Application& app);

}  // namespace drawlot
