// Watched runs: the five run commands wait for AutoCAD while the thread handles its messages,
// with the progress window, the time limit, the missing-drawing check and the run record of
// "drawlot.ini"'s run settings; afterwards the rows that did not end well are the selection.
// Also the commands "実行の設定" and "実行記録を開く".
#pragma once

#include <functional>

#include "core/script/autocad_run.h"
#include "win/app/application.h"

namespace drawlot {

// A run in progress: its clock, its progress window and its session. The timed run keeps one
// from its start to its last tick.
struct ActiveRun;

// Runs `body` as a watched run of `mode`: the list is saved first (when it may be written), the
// main window takes no input while AutoCAD runs, and the run's end is shown afterwards.
void RunWatched(Application& app, RunMode mode, const std::function<void(const RunContext&)>& body);

// The timed run's watched pieces: its start, one tick, its end with the main window.
void StartWatchedTimedRun(Application& app, const std::function<void(const RunContext&)>& start);
void WatchedTimedRunTick(Application& app, const std::function<void(const RunContext&)>& tick);
void EndWatchedTimedRun(Application& app);

// 環境設定 > 実行の設定.
void RunSettingsCommand(Application& app);
// 実行記録を開く: the record with the shell's program for .csv, else Notepad.
void OpenRunRecordCommand(Application& app);

}  // namespace drawlot
