// Adding drawings to the list: the files of one folder, of a folder and the folders below it,
// and files picked in the open dialog. Every file becomes one row through InsertDrawingRow.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/file_system.h"
#include "core/platform/pickers.h"
#include "core/platform/prompter.h"

namespace drawlot {

enum class DrawingKind { kDwg, kDxf };

// What every way of adding drawings works with: the list, its columns and tags, the settings
// (the last folder and the file-name rules), the disks, and the boxes with their owner.
struct AddingContext {
  RowStore& rows;
  const ItemSlots& items;
  RowTagSource& tags;
  EnvironmentSettings& settings;
  const FileSystem& files;
  Prompter& prompter;
  WindowRef owner = 0;
};

// The folder walk of AddFolderTreeDrawings holds at most this many folders.
inline constexpr std::size_t kFolderWalkLimit = 32;

// "\*.dwg" or "\*.dxf".
std::string_view PatternOfKind(DrawingKind kind);
int IconOfKind(DrawingKind kind);

// `folder` and `name` joined by one backslash; a folder that already ends in one (a drive root
// such as "C:\") gets no second. Nothing when the path would not fit 259 bytes.
std::optional<std::string> JoinFolderPath(std::string_view folder, std::string_view name);

// Appends a row for every file of `folder` that matches the kind's pattern, from `position`
// on, in the listing's order. The position after the last row added; 0 when the folder has no
// matching entry, cannot be listed, or its pattern would not fit 259 bytes.
int AddMatchingFiles(AddingContext& context, std::string_view folder, DrawingKind kind,
                     int position);

// The folders of the walk from `chosen` that were scanned, in table order: breadth-first, at
// most 32 folders in the table, plain folders only (exactly the directory attribute, no name
// beginning with ".", so "." and ".." are never walked).
std::vector<std::string> ScannedFolders(const FileSystem& files, std::string_view chosen);

// The folder browser's title for the kind.
std::string_view FolderBrowserTitle(DrawingKind kind);

// The drawings of one folder chosen in the folder browser. A cancelled browser changes nothing.
// The same as ChooseDrawingFolder, then AddChosenFolder when a folder was chosen: the shell
// calls the two apart, to hold the list's repainting only while rows go in.
void AddFolderDrawings(AddingContext& context, FolderBrowser& browser, DrawingKind kind);

// The drawings of a chosen folder and the folders below it (ScannedFolders). Nothing is shown
// when nothing was found. A cancelled browser changes nothing. In two steps, as above:
// ChooseDrawingFolder, then AddChosenFolderTree.
void AddFolderTreeDrawings(AddingContext& context, FolderBrowser& browser, DrawingKind kind);

// The folder browser for the kind; a chosen folder becomes the last folder. Empty when
// cancelled.
// What is said when a folder gave no row: "読込出来ません！", or, when the current set shows no
// column, that no row can be added at all (nothing is wrong with the folder then).
std::string_view NothingAddedText(const RowStore& rows);

std::string ChooseDrawingFolder(AddingContext& context, FolderBrowser& browser, DrawingKind kind);
void AddChosenFolder(AddingContext& context, std::string_view chosen, DrawingKind kind);
void AddChosenFolderTree(AddingContext& context, std::string_view chosen, DrawingKind kind);

// The open dialog's request for the kind, starting in `last_folder`.
OpenFilesRequest OpenDrawingsRequest(DrawingKind kind, std::string_view last_folder,
                                     WindowRef owner);

// The folder and names of an open dialog's result. The folder loses a last backslash (so a
// file in the root of drive C: gives the folder "C:").
struct PickedNames {
  std::string folder;
  std::vector<std::string> names;
};
PickedNames SplitPickedFiles(const PickedFiles& picked);

// Files picked in the open dialog; a file that cannot be found (or whose path would not fit
// 259 bytes) is reported and passed over. In two steps, as above: PickDrawingFiles, then
// AddPickedFiles.
void AddDrawingFiles(AddingContext& context, FilePicker& picker, DrawingKind kind);

// The open dialog's result; nothing when cancelled, when the first name lies beyond the
// folder's room, or when the dialog failed, which is reported with its error code (more files
// chosen than its buffer holds, for one).
std::optional<PickedFiles> PickDrawingFiles(AddingContext& context, FilePicker& picker,
                                            DrawingKind kind);
void AddPickedFiles(AddingContext& context, const PickedFiles& picked);

// The file-name rules on the rows from `first_row` on, when file_set.chg_on is on.
void ApplyRulesOnAdding(AddingContext& context, int first_row);

// Inserts the row of one listed file. The row, or kNoRow.
int InsertListedFile(AddingContext& context, const DirectoryEntry& entry, std::string_view folder,
                     int icon, int position);

}  // namespace drawlot
