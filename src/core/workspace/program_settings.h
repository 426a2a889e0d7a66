// "drawlot.ini": the program's own settings that "plot_set.ini" has no line for, as one typed
// record (the run settings, the main window's place and its preview pane), read once at start and
// written at exit. The file is Shift-JIS "key=value" lines with CR LF. Lines the program does not
// know, of a newer or older version, are kept as they are and written back in their place; a key
// set for the first time is added at the end. Every key name stands in the one table of
// program_settings.cpp.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/preview_pane.h"
#include "core/platform/prompter.h"
#include "core/script/run_session.h"
#include "core/workspace/window_place.h"

namespace drawlot {

inline constexpr char kProgramSettingsFileName[] = "drawlot.ini";

struct ProgramSettings {
  // run_time_limit, run_check_missing, run_record; run_drawings_per_start, run_parallel
  RunSettings run;
  std::optional<WindowPlace> main_window;    // main_window=left,top,width,height,maximized
  bool preview_shown = false;                // preview_pane=0|1
  int preview_width = kDefaultPreviewWidth;  // preview_width, in pixels

  friend bool operator==(const ProgramSettings&, const ProgramSettings&) = default;
};

// The file as it was read: its lines, the record they give and the keys whose value was not
// valid (their defaults were taken). Keys are read leniently: blanks around the key and the
// value, and a UTF-8 byte order mark before the first line, do not count.
class ProgramSettingsFile {
 public:
  // Takes the lines of the file's bytes (LF or CR LF; a last line without its end counts) and
  // returns the record they give; a key that is missing or not valid gives its default.
  ProgramSettings Parse(std::string_view bytes);
  const ProgramSettings& read() const { return read_; }
  const std::vector<std::string>& invalid_keys() const { return invalid_keys_; }

  // Whether the file must be written for `now`: some value differs from what it gives. So a
  // start and a close that changed nothing leave no "drawlot.ini" behind.
  bool Differs(const ProgramSettings& now) const;
  // The file's bytes for `now`: every line read, in its place, each ending in CR LF; the keys
  // of a group of which one value differs from the file's (the three run settings, the two
  // batch settings, the window's place, the pane's two) set in their lines, or added at the end.
  std::string Bytes(const ProgramSettings& now) const;

 private:
  std::vector<std::string> lines_;
  ProgramSettings read_;
  std::vector<std::string> invalid_keys_;
};

// Reads "drawlot.ini" of `folder` into `file` and `settings`: kSettingsRead, kSettingsMissing
// (every key its default) or kSettingsUnreadable (the defaults too).
int LoadProgramSettings(ProgramSettingsFile& file, ProgramSettings& settings,
                        std::string_view folder);
// Saves it safely for `settings`; on failure the program's "保存出来ません" box, and false.
bool SaveProgramSettings(const ProgramSettingsFile& file, const ProgramSettings& settings,
                         std::string_view folder, Prompter& prompter);

}  // namespace drawlot
