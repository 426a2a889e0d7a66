// The logic of the folder-selection dialog: the rows it lists for the current folder, where a
// double-click on a row leads, and loading the drawings of the selected folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/list/add_drawings.h"
#include "core/platform/file_system.h"

namespace drawlot {

// The dialog's file kind; it keeps the last choice while the program runs.
enum class FolderLoadKind : int { kDwg = 0, kDxf = 1, kDwgAndDxf = 2 };

// Icons of the dialog's image list (icon resources 310 to 316 in this order).
inline constexpr int kFolderIconDotName = 0;
inline constexpr int kFolderIconFolder = 1;
inline constexpr int kFolderIconFixedDrive = 2;
inline constexpr int kFolderIconCdRom = 3;
inline constexpr int kFolderIconRemovable = 4;
inline constexpr int kFolderIconNetwork = 5;
inline constexpr int kFolderIconRamDisk = 6;

// Names are read from the dialog's list into 128-byte buffers when moving.
inline constexpr std::size_t kFolderNameReadLimit = 127;

struct FolderRow {
  std::string name;
  std::string date_text;
  int icon = kFolderIconFolder;
};

// The rows for `current`: at a drive root (3 bytes) first the other drives, then the first
// entry of the listing whatever it is, then the plain folders (exactly the directory attribute).
std::vector<FolderRow> FolderRows(const FileSystem& files, std::string_view current);

// The current folder after a double-click on the row named `name`: a drive root is entered, a
// name beginning with "." goes up, any other name goes down. Nothing when the new folder would
// not fit 259 bytes (the dialog then stays where it is).
std::optional<std::string> FolderAfterDoubleClick(std::string_view current, std::string_view name);

// Appends the drawings of the folders `names` of `current`, folder by folder (DWG before DXF
// for both kinds), from the end of the list. The position after the last row added; equal to
// the row count before when nothing was added.
int LoadSelectedFolders(AddingContext& context, std::string_view current,
                        const std::vector<std::string>& names, FolderLoadKind kind);

}  // namespace drawlot
