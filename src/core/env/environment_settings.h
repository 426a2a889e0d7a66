// The environment settings: where AutoCAD and its working files are, the current script item
// set, the file-name rules, the prohibited printers and the A/B paper restriction. Stored in
// "plot_set.ini" in the start-up folder, read once at start-up and written once at the end.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/script_item.h"
#include "core/platform/prompter.h"
#include "core/text/fixed_text.h"

namespace drawlot {

inline constexpr std::string_view kEnvironmentFileName = "plot_set.ini";
inline constexpr std::string_view kBaseFolderHintFileName = "atc_print.ini";

inline constexpr int kPrinterPaperRuleCount = 4;
inline constexpr int kProhibitedPrinterCount = 16;

// A one-byte flag: on only when it holds "1". Never set, it is byte 0 (and is written so).
using Flag = char;
constexpr bool IsOn(Flag flag) {
  return flag == '1';
}

// A file-name search text and the printer and paper it selects.
struct PrinterPaperRule {
  FixedText<8> search;
  FixedText<128> printer;
  FixedText<64> paper;
};

// The keys "file_set.*": conversion of rows by texts in their file names.
struct FileNameRules {
  Flag ps = 0;
  std::array<PrinterPaperRule, kPrinterPaperRuleCount> fp_ps;
  Flag ds = 0;
  FixedText<8> search_d1;
  FixedText<8> search_d2;
  Flag ss = 0;
  FixedText<8> search_s1;
  FixedText<8> search_s2;
  FixedText<8> search_s3;
  Flag chg_on = 0;
};

// Printer-name prefixes that must not be used; every non-empty entry counts.
using ProhibitedPrinters = std::array<FixedText<64>, kProhibitedPrinterCount>;

struct EnvironmentSettings {
  FixedText<260> file_folder;
  FixedText<260> autocad_file;
  FixedText<260> temp_file;
  FixedText<260> end_file_dwg;
  char autocad_type = 0;
  FileNameRules file_set;
  ProhibitedPrinters prohibition_print;
  Flag print_paper_ab = 0;
};

// The index of the current script item set (set 0 for a type outside "0".."C").
int CurrentSetIndex(const EnvironmentSettings& settings);
// The current script item set: its items are the list's columns and the script's lines.
const ScriptItemSet& CurrentSet(const ScriptItemTable& table, const EnvironmentSettings& settings);

// Every field to its default except file_set.chg_on. The base folder of temp_file and
// end_file_dwg is the first line's value of "atc_print.ini" in `startup_folder`, or the
// start-up folder itself.
void ApplyEnvironmentDefaults(EnvironmentSettings& settings, std::string_view startup_folder);

// The base folder that "atc_print.ini" bytes give: the value after the first "=" (at byte 0 to
// 256) up to the first CR, at most 256 bytes. Without either, `fallback`.
std::string BaseFolderFromHint(std::string_view hint_bytes, std::string_view fallback);

// The "plot_set.ini" format over bytes: parsing overlays what the file holds.
void ParseEnvironmentSettings(EnvironmentSettings& settings, std::string_view bytes);
std::string SerializeEnvironmentSettings(const EnvironmentSettings& settings);

// Defaults, then "plot_set.ini" of `startup_folder` over them. kSettingsRead, or
// kSettingsMissing / kSettingsUnreadable when it was not read (the defaults stay).
int LoadEnvironmentSettings(EnvironmentSettings& settings, std::string_view startup_folder);
// Writes "plot_set.ini" safely; a failure shows "保存出来ません" / "ﾌｧｲﾙｴﾗｰ" (no owner).
void SaveEnvironmentSettings(const EnvironmentSettings& settings, std::string_view startup_folder,
                             Prompter& prompter);

}  // namespace drawlot
