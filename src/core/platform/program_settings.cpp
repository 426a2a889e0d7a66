#include "core/platform/program_settings.h"

#include <charconv>

#include "core/platform/settings_file.h"

namespace drawlot {

namespace {

// The key of a line: what stands before its first "=", or nullopt for a line without one.
std::optional<std::string_view> KeyOf(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return line.substr(0, equals);
}

}  // namespace

void ProgramSettings::Parse(std::string_view bytes) {
  lines_.clear();
  changed_ = false;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
}

std::string ProgramSettings::Bytes() const {
  std::string bytes;
  for (const std::string& line : lines_) bytes += line + "\r\n";
  return bytes;
}

std::optional<std::string_view> ProgramSettings::Value(std::string_view key) const {
  for (const std::string& line : lines_) {
    if (KeyOf(line) == key) return std::string_view(line).substr(key.size() + 1);
  }
  return std::nullopt;
}

int ProgramSettings::Number(std::string_view key, int minimum, int maximum, int fallback) const {
  const std::optional<std::string_view> text = Value(key);
  if (!text || text->empty()) return fallback;
  int value = 0;
  const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size()) return fallback;
  return value < minimum || value > maximum ? fallback : value;
}

void ProgramSettings::Set(std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  for (std::string& existing : lines_) {
    if (KeyOf(existing) == key) {
      changed_ = changed_ || existing != line;
      existing = std::move(line);
      return;
    }
  }
  lines_.push_back(std::move(line));
  changed_ = true;
}

void ProgramSettings::SetNumber(std::string_view key, int value) {
  Set(key, std::to_string(value));
}

int LoadProgramSettings(ProgramSettings& settings, std::string_view folder) {
  std::string bytes;
  const int result = ReadSettingsFile(folder, kProgramSettingsFileName, bytes);
  settings.Parse(result == kSettingsRead ? bytes : std::string_view());
  return result;
}

bool SaveProgramSettings(const ProgramSettings& settings, std::string_view folder,
                         Prompter& prompter) {
  return SaveSettingsFile(folder, kProgramSettingsFileName, settings.Bytes(), prompter);
}

}  // namespace drawlot
