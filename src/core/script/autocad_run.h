// Starting AutoCAD on a run's script: the program is `autocad_file`, the script `temp_file`,
// given on the command line AutoCAD reads at start. The runs themselves are RunEngine's.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/env/environment_settings.h"
#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr std::string_view kCannotStartText =
    "環境設定でAutoCad在処を正しく設定して下さい。";
inline constexpr std::string_view kCannotStartTitle = "AutoCadが起動出来ません。";
inline constexpr std::string_view kScriptPathTooLongText =
    "実行スクリプトファイルのパスが長すぎます。環境設定で253バイト以内にして下さい。";

// The command line is built in a 260-byte buffer: " /b \"", the path, "\"" and the terminator.
inline constexpr std::size_t kMaxScriptPathBytes = 253;
// The pause between two starts of a run (timer 2 of the main window).
inline constexpr int kRunPauseMilliseconds = 500;

// " /b \"<script path>\"": AutoCAD runs the script at start. The command line carries no
// program name of its own. nullopt for a path longer than 253 bytes, which does not fit.
std::optional<std::string> AutoCadCommandLine(std::string_view script_path);

// The script file of AutoCAD `slot` of those at once: `temp_file` for the first, then
// "<name>_2<ext>" … "<name>_K<ext>" beside it.
std::string StartScriptPath(std::string_view temp_file, int slot);

// True when `temp_file` fits the command line; otherwise shows why nothing can be started.
bool CheckScriptPathFits(WindowRef owner, const EnvironmentSettings& settings, Prompter& prompter);

}  // namespace drawlot
