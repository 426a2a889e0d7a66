#include "core/workspace/kept_files.h"

#include <cerrno>
#include <cstdio>

#include <exception>

#include "core/items/item_set_files.h"
#include "core/list/list_file.h"
#include "core/text/file_io.h"

namespace drawlot {
namespace {

// Enough names for any number of sessions ending within one second.
constexpr int kSessionNameAttempts = 100;

std::string TwoDigits(int value) {
  return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// Writes a new file and makes sure it reached the disk; a half-written file is removed.
bool WriteNewFile(std::FILE* file, const std::string& path, std::string_view bytes) {
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written && FlushToDisk(file);
  written = std::fclose(file) == 0 && written;
  if (!written) std::remove(path.c_str());
  return written;
}

}  // namespace

std::string SessionVersionName(std::string_view kept_name, const LocalTime& time, int attempt) {
  const std::size_t dot = kept_name.rfind('.');
  const std::string_view stem = kept_name.substr(0, dot);
  const std::string_view extension =
      dot == std::string_view::npos ? std::string_view{} : kept_name.substr(dot);
  // Appended piece by piece: GCC 12 at -O2 and above inlines `"_" + std::string&&` into
  // SaveSessionVersion and then warns of an overlapping memcpy that cannot happen
  // (-Werror=restrict, a known false alarm of its string insert), so the release would not build.
  std::string name(stem);
  name += '_';
  name += std::to_string(time.year);
  for (const int part : {time.month, time.day}) name += TwoDigits(part);
  name += '-';
  for (const int part : {time.hour, time.minute, time.second}) name += TwoDigits(part);
  if (attempt > 0) {
    name += '-';
    name += std::to_string(attempt + 1);
  }
  name += extension;
  return name;
}

void KeptFiles::SaveSessionVersion(std::string_view folder, std::string_view name,
                                   std::string_view bytes, const LocalTime& time) {
  Kept kept{std::string(name), {}};
  for (int attempt = 0; attempt < kSessionNameAttempts; ++attempt) {
    const std::string session_name = SessionVersionName(name, time, attempt);
    const std::string path = JoinPath(folder, session_name);
    errno = 0;
    if (std::FILE* file = CreateNewFile(path)) {
      if (WriteNewFile(file, path, bytes)) kept.session_name = session_name;
      break;
    }
    if (errno != EEXIST) break;  // the folder cannot take a new file: another name will not help
  }
  kept_.push_back(std::move(kept));
}

void KeptFiles::NoteNotSaved(std::string_view name) {
  kept_.push_back(Kept{std::string(name), {}});
}

std::string KeptFiles::BoxText() const {
  std::string text =
      "読込出来なかったファイルは書き換えずにそのまま残しました。\n"
      "今回の内容は次の名前で保存しました。\n";
  for (const Kept& kept : kept_) {
    text += "\n" + kept.name + " → ";
    text += kept.session_name.empty() ? std::string("保存出来ません") : kept.session_name;
  }
  return text;
}

void KeptFiles::Tell(Prompter& prompter) const {
  if (kept_.empty()) return;
  prompter.Tell(0, BoxText(), kCannotSaveTitle, Icon::kWarning);
}

void SaveKeptListSessionVersion(const StartupReads& reads, const RowStore& rows,
                                std::string_view folder, const LocalTime& time, KeptFiles& kept) {
  if (!reads.list_kept) return;
  try {
    kept.SaveSessionVersion(folder, kListFileName, SerializeList(rows), time);
  } catch (const std::exception&) {
    kept.NoteNotSaved(kListFileName);  // out of memory building its bytes
  }
}

void SaveKeptSettingsSessionVersions(const WorkspaceRecords& workspace, const StartupReads& reads,
                                     const LocalTime& time, KeptFiles& kept) {
  if (!reads.finished) return;
  const std::string_view folder = workspace.folder;
  const ScriptItemTable& items =
      workspace.items;  // a start that failed half-way has no session to keep
  const bool titles_kept = reads.set_titles == kSettingsUnreadable;
  if (titles_kept) {
    kept.SaveSessionVersion(folder, kSetTitleFileName, SerializeSetTitles(items), time);
  }
  if (titles_kept || reads.item_sets == kSettingsUnreadable) {
    kept.SaveSessionVersion(folder, kItemSetFileName, SerializeItemSets(items), time);
  }
  if (reads.environment == kSettingsUnreadable) {
    kept.SaveSessionVersion(folder, kEnvironmentFileName,
                            SerializeEnvironmentSettings(workspace.settings), time);
  }
  if (reads.program == kSettingsUnreadable) {
    kept.SaveSessionVersion(folder, kProgramSettingsFileName,
                            workspace.program_file.Bytes(workspace.program), time);
  }
}

}  // namespace drawlot
