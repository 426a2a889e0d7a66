#include "core/list/add_drawings.h"

#include <cstdio>

#include "core/list/file_name_rules.h"
#include "core/list/list_rows.h"
#include "core/text/cp932.h"

namespace drawlot {
namespace {

constexpr char kCannotRead[] = "読込出来ません！";
constexpr char kFolderAddTitle[] = "file追加";
constexpr char kFileAddTitle[] = "ファイル追加操作";

// The open dialog's name buffer: a first name at 260 or beyond leaves no room for the folder.
constexpr std::size_t kFirstNameOffsetLimit = 260;
constexpr std::size_t kOpenResultBytes = 1040;

struct WalkEntry {
  std::string path;
  bool scanned = false;
};

bool IsPlainFolder(const DirectoryEntry& entry) {
  return entry.attributes == kAttributeDirectory && !entry.name.starts_with('.');
}

// Appends the plain subfolders of `folder` to the table until it is full.
void ScanFolder(const FileSystem& files, std::string_view folder, std::vector<WalkEntry>& table) {
  const auto pattern = JoinFolderPath(folder, "*");
  if (!pattern) return;
  const std::vector<DirectoryEntry> entries = files.List(*pattern);
  // Every entry counts: "." and ".." fall out by their names, and a drive root, which has
  // neither, keeps its first folder.
  for (std::size_t i = 0; i < entries.size() && table.size() < kFolderWalkLimit; ++i) {
    if (!IsPlainFolder(entries[i])) continue;
    // A subfolder whose path would not fit is not walked, rather than walked under a cut path.
    if (auto path = JoinFolderPath(folder, entries[i].name)) table.push_back({*path, false});
  }
}

// Where the walk goes next: the first folder found but not yet scanned.
WalkEntry* NextToScan(std::vector<WalkEntry>& table) {
  for (WalkEntry& entry : table) {
    if (!entry.scanned) return &entry;
  }
  return nullptr;
}

// The open dialog failed: too many files for its buffer, or an error of its own, by its code.
std::string PickerErrorText(unsigned error) {
  char code[16];
  std::snprintf(code, sizeof code, "%04X", error);
  if (error == kPickerBufferTooSmall) {
    return std::string(
               "選択したファイルが多すぎて読込出来ません！\n"
               "一度に選ぶファイルを減らして下さい。（エラー ") +
           code + "）";
  }
  return std::string("ファイル選択ダイアログのエラーで読込出来ません！（エラー ") + code + "）";
}

std::string UpToNul(std::string_view text) {
  return std::string(text.substr(0, text.find('\0')));
}

}  // namespace

std::string_view PatternOfKind(DrawingKind kind) {
  return kind == DrawingKind::kDwg ? "\\*.dwg" : "\\*.dxf";
}

int IconOfKind(DrawingKind kind) {
  return kind == DrawingKind::kDwg ? kIconDwg : kIconDxf;
}

std::optional<std::string> JoinFolderPath(std::string_view folder, std::string_view name) {
  std::string path = JoinWithBackslash(folder, name);
  if (path.size() > kMaxPathBytes) return std::nullopt;
  return path;
}

int InsertListedFile(AddingContext& context, const DirectoryEntry& entry, std::string_view folder,
                     int icon, int position) {
  const std::string date_text = FormatFileTime(entry.last_write);
  const NewDrawing drawing{entry.name, folder, date_text, icon};
  return InsertDrawingRow(context.rows, context.items, context.tags, drawing, position);
}

int AddMatchingFiles(AddingContext& context, std::string_view folder, DrawingKind kind,
                     int position) {
  // The folder text is used as it stands: a drive root such as "C:\" gives "C:\\*.dwg",
  // which the directory search accepts.
  const std::string pattern = std::string(folder) + std::string(PatternOfKind(kind));
  if (pattern.size() > kMaxPathBytes) return 0;
  const std::vector<DirectoryEntry> entries = context.files.List(pattern);
  if (entries.empty()) return 0;
  for (const DirectoryEntry& entry : entries) {
    if (InsertListedFile(context, entry, folder, IconOfKind(kind), position) != kNoRow) ++position;
  }
  return position;
}

std::vector<std::string> ScannedFolders(const FileSystem& files, std::string_view chosen) {
  std::vector<WalkEntry> table{{std::string(chosen), false}};
  table.reserve(kFolderWalkLimit);
  for (std::size_t current = 0;;) {
    ScanFolder(files, table[current].path, table);
    table[current].scanned = true;
    if (table.size() >= kFolderWalkLimit) break;
    const WalkEntry* next = NextToScan(table);
    if (!next) break;
    current = static_cast<std::size_t>(next - table.data());
  }
  std::vector<std::string> scanned;
  for (const WalkEntry& entry : table) {
    if (entry.scanned) scanned.push_back(entry.path);
  }
  return scanned;
}

std::string_view FolderBrowserTitle(DrawingKind kind) {
  return kind == DrawingKind::kDwg ? "  dwgファイルのフォルダを選択  "
                                   : "  dxfファイルのフォルダを選択  ";
}

void ApplyRulesOnAdding(AddingContext& context, int first_row) {
  if (IsOn(context.settings.file_set.chg_on)) {
    ApplyFileNameRules(context.rows, context.settings.file_set, first_row);
  }
}

std::string ChooseDrawingFolder(AddingContext& context, FolderBrowser& browser, DrawingKind kind) {
  std::string chosen =
      browser.ChooseFolder(FolderBrowserTitle(kind), context.settings.file_folder.view());
  if (!chosen.empty()) context.settings.file_folder = chosen;
  return chosen;
}

std::string_view NothingAddedText(const RowStore& rows) {
  if (rows.ColumnCount() == 0) {
    return "現在のセットには表示するカラムがありません。"
           "スクリプト設定で表示するカラムを設定して下さい。";
  }
  return kCannotRead;
}

void AddChosenFolder(AddingContext& context, std::string_view chosen, DrawingKind kind) {
  const int first_new_row = context.rows.RowCount();
  if (AddMatchingFiles(context, chosen, kind, first_new_row) == 0) {
    context.prompter.Tell(context.owner, NothingAddedText(context.rows), kFolderAddTitle,
                          Icon::kWarning);
  }
  ApplyRulesOnAdding(context, first_new_row);
}

void AddFolderDrawings(AddingContext& context, FolderBrowser& browser, DrawingKind kind) {
  const std::string chosen = ChooseDrawingFolder(context, browser, kind);
  if (!chosen.empty()) AddChosenFolder(context, chosen, kind);
}

void AddFolderTreeDrawings(AddingContext& context, FolderBrowser& browser, DrawingKind kind) {
  const std::string chosen = ChooseDrawingFolder(context, browser, kind);
  if (!chosen.empty()) AddChosenFolderTree(context, chosen, kind);
}

void AddChosenFolderTree(AddingContext& context, std::string_view chosen, DrawingKind kind) {
  const int first_new_row = context.rows.RowCount();
  int position = first_new_row;
  for (const std::string& folder : ScannedFolders(context.files, chosen)) {
    const int next = AddMatchingFiles(context, folder, kind, position);
    if (next != 0) position = next;
  }
  ApplyRulesOnAdding(context, first_new_row);
}

OpenFilesRequest OpenDrawingsRequest(DrawingKind kind, std::string_view last_folder,
                                     WindowRef owner) {
  const FileFilter dwg{"DwgFile(*.dwg)", "*.dwg"};
  const FileFilter dxf{"DxfFile(*.dxf)", "*.dxf"};
  OpenFilesRequest request;
  request.owner = owner;
  request.title = "ファイル読み出し";
  request.filters = kind == DrawingKind::kDwg ? std::vector{dwg, dxf} : std::vector{dxf, dwg};
  request.initial_name = std::string(last_folder) + std::string(PatternOfKind(kind));
  request.buffer_size = kOpenResultBytes;
  return request;
}

PickedNames SplitPickedFiles(const PickedFiles& picked) {
  const std::string_view buffer = picked.buffer;
  const std::size_t offset = std::min(picked.first_name_offset, buffer.size());
  PickedNames result;
  // Several files: the folder ends in a NUL of its own; one file: the folder is the path's head.
  result.folder = UpToNul(buffer.substr(0, offset));
  if (result.folder.size() > 1 && EndsWithBackslash(result.folder)) result.folder.pop_back();
  const bool several = offset > 0 && buffer[offset - 1] == '\0';
  for (std::size_t at = offset; at < buffer.size();) {
    std::string name = UpToNul(buffer.substr(at));
    if (name.empty()) break;
    at += name.size() + 1;
    result.names.push_back(std::move(name));
    if (!several) break;
  }
  return result;
}

std::optional<PickedFiles> PickDrawingFiles(AddingContext& context, FilePicker& picker,
                                            DrawingKind kind) {
  auto picked = picker.OpenFiles(
      OpenDrawingsRequest(kind, context.settings.file_folder.view(), context.owner));
  if (picked && picked->error != 0) {
    context.prompter.Tell(context.owner, PickerErrorText(picked->error), kFileAddTitle,
                          Icon::kWarning);
    return std::nullopt;
  }
  if (!picked || picked->first_name_offset >= kFirstNameOffsetLimit) return std::nullopt;
  return picked;
}

void AddDrawingFiles(AddingContext& context, FilePicker& picker, DrawingKind kind) {
  if (const auto picked = PickDrawingFiles(context, picker, kind)) AddPickedFiles(context, *picked);
}

void AddPickedFiles(AddingContext& context, const PickedFiles& picked) {
  const int first_new_row = context.rows.RowCount();
  const PickedNames files = SplitPickedFiles(picked);
  int position = first_new_row;
  for (const std::string& name : files.names) {
    const auto path = JoinFolderPath(files.folder, name);
    const std::vector<DirectoryEntry> found =
        path ? context.files.List(*path) : std::vector<DirectoryEntry>{};
    if (found.empty()) {
      context.prompter.Tell(context.owner, kCannotRead, kFileAddTitle, Icon::kWarning);
      continue;
    }
    const int icon = IconOfFileName(name);
    if (InsertListedFile(context, found.front(), files.folder, icon, position) != kNoRow) {
      ++position;
    }
  }
  if (!files.folder.empty()) context.settings.file_folder = files.folder;
  ApplyRulesOnAdding(context, first_new_row);
}

}  // namespace drawlot
