// "drawlot.ini": the program's own settings that "plot_set.ini" has no line for (the run
// settings, the main window's place). Shift-JIS "key=value" lines with CR LF. Lines the program
// does not know, of a newer or older version, are kept as they are and written back in their
// place; a key set for the first time is added at the end.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/prompter.h"

namespace drawlot {

inline constexpr char kProgramSettingsFileName[] = "drawlot.ini";

class ProgramSettings {
 public:
  // Takes the lines of a file's bytes (LF or CR LF; a last line without its end counts).
  void Parse(std::string_view bytes);
  // The file's bytes: every line in order, each ending in CR LF.
  std::string Bytes() const;

  // The value after "key=" of the first line with that key, or nullopt.
  std::optional<std::string_view> Value(std::string_view key) const;
  // The value as a decimal number in [minimum, maximum]; `fallback` when the key is missing or
  // its value is not such a number.
  int Number(std::string_view key, int minimum, int maximum, int fallback) const;
  // Sets the first line with that key, or adds a line at the end.
  void Set(std::string_view key, std::string_view value);
  void SetNumber(std::string_view key, int value);
  // True once a Set changed a value: the file is written at exit only then, so a start and a
  // close that changed nothing leave no "drawlot.ini" behind.
  bool Changed() const { return changed_; }

 private:
  std::vector<std::string> lines_;
  bool changed_ = false;
};

// Reads "drawlot.ini" of `folder`: kSettingsRead, kSettingsMissing (the settings stay empty, so
// every key gives its default) or kSettingsUnreadable.
int LoadProgramSettings(ProgramSettings& settings, std::string_view folder);
// Saves it safely; on failure the program's "保存出来ません" box, and false.
bool SaveProgramSettings(const ProgramSettings& settings, std::string_view folder,
                         Prompter& prompter);

}  // namespace drawlot
