// The application's run, at most one at a time: a run command plans it and starts it and
// returns; from then on the main window's messages feed it (a waiter's report, the pause timer,
// 中止) and it ends when its engine says done, when a close is answered Yes, or with the session.
// Also the commands "実行の設定" and "実行記録を開く".
#pragma once

#include <windows.h>

#include "core/script/run_engine.h"
#include "core/script/script_writer.h"
#include "win/app/application.h"

namespace drawlot {

// A waiter has reports for the run; 中止 was pressed on the progress window.
inline constexpr UINT kRunReportMessage = WM_APP + 30;
inline constexpr UINT kRunStopMessage = WM_APP + 31;

inline constexpr char kRunLastsText[] = "実行中です。終わるまでお待ち下さい。";
inline constexpr char kRunLastsTitle[] = "実行中";
inline constexpr char kCloseDuringRunText[] = "実行中です。AutoCADを終了して実行を中止しますか？";

// 37832, 37830 and toolbar 336: one AutoCAD process on the script of the rows of `scope`.
void RunScriptCommand(Application& app, ScriptRowScope scope);
// 37846 (毎行(１処理)) and 37851 (毎行(タイマ)): one AutoCAD process per row, the selected rows or
// every row; the timed run leaves the list to the user between its drawings.
void RunPerRowCommand(Application& app, RunMode mode);

// The main window's messages for the run: kRunReportMessage, timer 2 (the pause between
// starts), kRunStopMessage.
void TakeRunReports(Application& app);
void RunPauseOver(Application& app);
void RunStopPressed(Application& app);

// WM_CLOSE: true when the window may go, with no run or once the user chose to end it (the run
// is then ended and recorded). No: the run goes on.
bool MayCloseDuringRun(Application& app);
// Ends the run at once, with nothing shown: AutoCAD ended, every drawing recorded (中止 for one
// in progress, 未実行 for the rest). The window closes or the session ends.
void EndRunNow(Application& app);

// At start, once the list is there: a run cut off last time left its journal. Its question
// (Yes: the drawings it did not finish become the selection), its lines the record lacks added,
// and the journal removed; one that cannot be read is left as it is and said so.
void PickUpCutOffRun(Application& app);
inline constexpr UINT kPickUpRunMessage = WM_APP + 32;
inline constexpr char kJournalTitle[] = "前回の実行";
inline constexpr char kJournalUnreadableText[] =
    "前回の実行の記録 drawlot_run.pending を読込出来ません。このファイルはそのまま残します。";

// 編集 > 前回の印刷後に変更された図面を選択: the rows whose drawing was never plotted (no 完了 in
// the record) or was written after its latest 完了 become the selection; the status bar says
// how many of each.
void SelectChangedDrawingsCommand(Application& app);

// 環境設定 > 実行の設定.
void RunSettingsCommand(Application& app);
// 実行記録を開く: the record with the shell's program for .csv, else Notepad.
void OpenRunRecordCommand(Application& app);

}  // namespace drawlot
