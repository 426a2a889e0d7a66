#include "core/edit/plot_styles.h"

#include "core/text/cp932.h"
#include "core/text/fixed_text.h"

namespace drawlot {
namespace {

// "." and ".." and nothing useful are 2 bytes or less.
constexpr std::size_t kShortestStyleName = 3;

bool IsShortcut(std::string_view name) {
  return name.ends_with(".lnk") || name.ends_with(".LNK");
}

}  // namespace

std::string_view AutoCadFolder(std::string_view autocad_file) {
  const std::size_t slash = FindLastBackslash(autocad_file);
  if (slash == std::string_view::npos || slash == 0) return {};
  return autocad_file.substr(0, slash);
}

std::vector<std::string> ListPlotStyles(const FileSystem& files, std::string_view autocad_file) {
  std::vector<std::string> names;
  const std::string_view folder = AutoCadFolder(autocad_file);
  if (folder.empty()) return names;
  for (const DirectoryEntry& entry : files.List(std::string(folder) + "\\Plot Styles\\*.*")) {
    if (entry.name.size() < kShortestStyleName || IsShortcut(entry.name)) continue;
    names.push_back(FixedText<kPlotStyleNameBytes + 1>(entry.name).str());
    if (names.size() == kMaxPlotStyles) break;
  }
  return names;
}

}  // namespace drawlot
