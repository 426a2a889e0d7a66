#include "core/workspace/program_settings.h"

#include <algorithm>
#include <array>

#include "core/platform/settings_file.h"
#include "core/text/decimal.h"

namespace drawlot {

namespace {

// One key of the file: its name, the group it is written with, and how its value is read and
// written. Read returns false for a value that is not valid, and leaves the default.
struct Key {
  std::string_view name;
  int group;
  bool (*read)(std::string_view value, ProgramSettings& settings);
  std::string (*write)(const ProgramSettings& settings);
};

enum Group { kRunGroup, kBatchGroup, kWindowGroup, kPreviewGroup };

bool ReadNumber(std::string_view text, int minimum, int maximum, int& value) {
  const std::optional<int> number = ParseTypedNumber(text, minimum, maximum);
  if (number) value = *number;
  return number.has_value();
}

bool ReadFlag(std::string_view text, bool& flag) {
  int number = 0;
  if (!ReadNumber(text, 0, 1, number)) return false;
  flag = number == 1;
  return true;
}

std::string Flag(bool flag) {
  return flag ? "1" : "0";
}

constexpr std::array<Key, 8> kKeys = {{
    {"run_time_limit", kRunGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadNumber(value, 0, kMaxTimeLimitSeconds, settings.run.time_limit_seconds);
     },
     [](const ProgramSettings& settings) {
       return std::to_string(settings.run.time_limit_seconds);
     }},
    {"run_check_missing", kRunGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadFlag(value, settings.run.check_missing);
     },
     [](const ProgramSettings& settings) { return Flag(settings.run.check_missing); }},
    {"run_record", kRunGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadFlag(value, settings.run.record);
     },
     [](const ProgramSettings& settings) { return Flag(settings.run.record); }},
    {"run_drawings_per_start", kBatchGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadNumber(value, 1, kMaxDrawingsPerStart, settings.run.drawings_per_start);
     },
     [](const ProgramSettings& settings) {
       return std::to_string(settings.run.drawings_per_start);
     }},
    {"run_parallel", kBatchGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadNumber(value, 1, kMaxParallel, settings.run.parallel);
     },
     [](const ProgramSettings& settings) { return std::to_string(settings.run.parallel); }},
    {"main_window", kWindowGroup,
     [](std::string_view value, ProgramSettings& settings) {
       settings.main_window = ParseWindowPlace(value);
       return settings.main_window.has_value();
     },
     [](const ProgramSettings& settings) {
       return settings.main_window ? FormatWindowPlace(*settings.main_window) : std::string();
     }},
    {"preview_pane", kPreviewGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadFlag(value, settings.preview_shown);
     },
     [](const ProgramSettings& settings) { return Flag(settings.preview_shown); }},
    {"preview_width", kPreviewGroup,
     [](std::string_view value, ProgramSettings& settings) {
       return ReadNumber(value, kMinPreviewWidth, kMaxPreviewWidth, settings.preview_width);
     },
     [](const ProgramSettings& settings) { return std::to_string(settings.preview_width); }},
}};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The key and the value of a line, or nullopt for a line without "=".
struct KeyAndValue {
  std::string_view key;
  std::string_view value;
};
std::optional<KeyAndValue> Split(std::string_view line) {
  if (line.starts_with(kUtf8Mark)) line.remove_prefix(kUtf8Mark.size());
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyAndValue{Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))};
}

bool GroupDiffers(int group, const ProgramSettings& first, const ProgramSettings& second) {
  for (const Key& key : kKeys) {
    if (key.group == group && key.write(first) != key.write(second)) return true;
  }
  return false;
}

}  // namespace

ProgramSettings ProgramSettingsFile::Parse(std::string_view bytes) {
  lines_.clear();
  invalid_keys_.clear();
  read_ = ProgramSettings{};
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  std::vector<std::string_view> seen;
  for (const std::string& line : lines_) {
    const std::optional<KeyAndValue> pair = Split(line);
    if (!pair) continue;
    for (const Key& key : kKeys) {
      // The first line of a key counts, as when it is written.
      if (key.name != pair->key || std::ranges::find(seen, key.name) != seen.end()) continue;
      seen.push_back(key.name);
      if (!key.read(pair->value, read_)) invalid_keys_.emplace_back(key.name);
    }
  }
  return read_;
}

bool ProgramSettingsFile::Differs(const ProgramSettings& now) const {
  return std::ranges::any_of(std::array{kRunGroup, kBatchGroup, kWindowGroup, kPreviewGroup},
                             [&](int group) { return GroupDiffers(group, read_, now); });
}

std::string ProgramSettingsFile::Bytes(const ProgramSettings& now) const {
  std::vector<std::string> lines = lines_;
  for (const Key& key : kKeys) {
    if (!GroupDiffers(key.group, read_, now)) continue;
    std::string line = std::string(key.name) + "=" + key.write(now);
    const auto existing = std::ranges::find_if(lines, [&](const std::string& text) {
      const std::optional<KeyAndValue> pair = Split(text);
      return pair && pair->key == key.name;
    });
    if (existing == lines.end()) {
      lines.push_back(std::move(line));
    } else {
      *existing = std::move(line);
    }
  }
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

int LoadProgramSettings(ProgramSettingsFile& file, ProgramSettings& settings,
                        std::string_view folder) {
  std::string bytes;
  const int result = ReadSettingsFile(folder, kProgramSettingsFileName, bytes);
  settings = file.Parse(result == kSettingsRead ? bytes : std::string_view());
  return result;
}

bool SaveProgramSettings(const ProgramSettingsFile& file, const ProgramSettings& settings,
                         std::string_view folder, Prompter& prompter) {
  return SaveSettingsFile(folder, kProgramSettingsFileName, file.Bytes(settings), prompter);
}

}  // namespace drawlot
