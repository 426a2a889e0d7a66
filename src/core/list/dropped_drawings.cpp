#include "core/list/dropped_drawings.h"

#include <algorithm>

#include "core/text/cp932.h"

namespace drawlot {
namespace {

bool HasDrawingExtension(std::string_view path) {
  if (path.size() < 4) return false;
  std::string extension(path.substr(path.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return extension == ".dwg" || extension == ".dxf";
}

// The folder's drawings, DWG then DXF; the file-name rules on its rows, as after "DWGフォルダ".
// A folder without drawings adds nothing and says nothing, as a folder tree does.
void AddDroppedFolder(AddingContext& context, std::string_view folder) {
  const int first_new_row = context.rows.RowCount();
  AddMatchingFiles(context, folder, DrawingKind::kDwg, first_new_row);
  AddMatchingFiles(context, folder, DrawingKind::kDxf, context.rows.RowCount());
  context.settings.file_folder = folder;
  ApplyRulesOnAdding(context, first_new_row);
}

// The open dialog's result for this one file: its folder, then its name.
void AddDroppedFile(AddingContext& context, const std::string& path) {
  AddPickedFiles(context, PickedFiles{path, FindLastBackslash(path) + 1, 0});
}

}  // namespace

int AddDroppedPaths(AddingContext& context, std::span<const std::string> paths) {
  int left_out = 0;
  for (const std::string& path : paths) {
    const std::vector<DirectoryEntry> found = context.files.List(path);
    // A drive root lists as nothing, yet it is a folder.
    const bool folder = found.empty() ? EndsWithBackslash(path)
                                      : (found.front().attributes & kAttributeDirectory) != 0;
    if (folder) {
      AddDroppedFolder(context, path);
    } else if (!found.empty() && HasDrawingExtension(path) &&
               FindLastBackslash(path) != std::string::npos) {
      AddDroppedFile(context, path);
    } else {
      ++left_out;
    }
  }
  return left_out;
}

std::string LeftOutText(int left_out) {
  if (left_out == 0) return {};
  return "図面でない " + std::to_string(left_out) + " 件は追加しませんでした";
}

}  // namespace drawlot
