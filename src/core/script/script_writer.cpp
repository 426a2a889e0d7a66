#include "core/script/script_writer.h"

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/text/cp932.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {
namespace {

// A whole-text item reads its cell as a 128-byte field; the drawing path reads the file-name
// and folder cells as 260-byte fields (kCellReadLimit).
constexpr std::size_t kWholeTextBytes = 127;

void ShowOpenError(WindowRef owner, Prompter& prompter) {
  prompter.Tell(owner, std::string(kScriptOpenErrorText), std::string(kScriptOpenErrorTitle),
                Icon::kWarning);
}

// A refused script still empties the script file, as the run has always opened (and so
// truncated) it before looking at the list; when even that fails, the open error is the one
// the user sees.
bool RefuseWithEmptyScript(WindowRef owner, const std::string& path, std::string_view text,
                           std::string_view title, Prompter& prompter) {
  if (!SaveFileReplacing(path, "")) {
    ShowOpenError(owner, prompter);
  } else {
    prompter.Tell(owner, std::string(text), std::string(title), Icon::kWarning);
  }
  return false;
}

std::vector<int> SelectedRows(const RowStore& rows) {
  std::vector<int> selected;
  for (int row = rows.NextSelectedRow(); row != kNoRow; row = rows.NextSelectedRow(row)) {
    selected.push_back(row);
  }
  return selected;
}

std::vector<int> AllRows(int count) {
  std::vector<int> all(count);
  for (int row = 0; row < count; ++row) all[row] = row;
  return all;
}

void UnmarkRows(RowStore& rows, const std::vector<int>& written) {
  for (int row : written) UnmarkRow(rows, row);
}

// The script of `targets` followed by the trailer.
std::string BuildScript(const RowStore& rows, const std::vector<int>& targets,
                        const ItemSlots& items, const EnvironmentSettings& settings) {
  const ScriptPlan plan(items);
  std::string script;
  script.reserve(targets.size() * 128 + 300);
  for (int row : targets) plan.AppendRowBlock(script, rows, row);
  AppendTrailer(script, settings.end_file_dwg.view());
  return script;
}

}  // namespace

ScriptPlan::ScriptPlan(const ItemSlots& items) {
  int column = -1;
  for (int slot = 0, n = ItemCount(items); slot < n; ++slot) {
    const ScriptItem& item = items[slot];
    if (item.display_mode != 0) ++column;
    if (item.display_mode == static_cast<std::int32_t>(DisplayMode::kFileName)) {
      file_name_column_ = column;
    }
    if (item.display_mode == static_cast<std::int32_t>(DisplayMode::kFolder)) {
      folder_column_ = column;
    }
    steps_.push_back(Step{item.output_mode, column, item.command.view()});
  }
}

void ScriptPlan::AppendRowDrawingPath(std::string& script, const RowStore& rows, int row) const {
  // Without a folder column the file name stands alone rather than below the drive root;
  // without a file-name column the path ends in the folder's separator.
  const std::string file_name =
      file_name_column_ ? ReadCellText(rows, row, *file_name_column_, kCellReadLimit) : "";
  if (!folder_column_) {
    script.append(file_name);
    return;
  }
  AppendDrawingPath(script, ReadCellText(rows, row, *folder_column_, kCellReadLimit), file_name);
}

void ScriptPlan::AppendRowBlock(std::string& script, const RowStore& rows, int row) const {
  for (const Step& step : steps_) {
    switch (static_cast<OutputMode>(step.output_mode)) {
      case OutputMode::kCommandAndPath:
        script.append(step.command);
        script.append(" \"");
        AppendRowDrawingPath(script, rows, row);
        AppendLine(script, "\"");
        break;
      case OutputMode::kCommand:
        AppendLine(script, step.command);
        break;
      case OutputMode::kFirstCharacter:
        // One byte, even of a double-byte character: the item answers a one-letter prompt.
        // Before the first displayed item (column -1) the cell reads as empty.
        AppendLine(script, rows.GetCell(row, step.column, 2));
        break;
      case OutputMode::kWholeText:
        AppendLine(script, ReadCellText(rows, row, step.column, kWholeTextBytes));
        break;
      default:  // kNone, and modes outside the table, write nothing
        break;
    }
  }
}

void AppendDrawingPath(std::string& out, std::string_view folder, std::string_view file_name) {
  out.append(folder);
  if (!(folder.size() > 1 && EndsWithBackslash(folder))) out.push_back('\\');
  out.append(file_name);
}

std::string DrawingPath(std::string_view folder, std::string_view file_name) {
  std::string path;
  AppendDrawingPath(path, folder, file_name);
  return path;
}

void AppendTrailer(std::string& script, std::string_view end_drawing) {
  script.append("open \"");
  script.append(end_drawing);
  AppendLine(script, "\"");
  AppendLine(script, "quit");
}

bool WriteScript(WindowRef owner, RowStore& rows, ScriptRowScope scope, const std::string& path,
                 const ItemSlots& items, const EnvironmentSettings& settings, Prompter& prompter) {
  const int count = rows.RowCount();
  if (count == 0) {
    return RefuseWithEmptyScript(owner, path, kEmptyListText, kEmptyListTitle, prompter);
  }
  std::vector<int> selected;
  if (scope != ScriptRowScope::kAll) selected = SelectedRows(rows);
  if (selected.empty() && scope == ScriptRowScope::kSelected) {
    return RefuseWithEmptyScript(owner, path, kNothingSelectedText, kNothingSelectedTitle,
                                 prompter);
  }
  const std::vector<int> targets = selected.empty() ? AllRows(count) : selected;
  if (!SaveFileReplacing(path, BuildScript(rows, targets, items, settings))) {
    ShowOpenError(owner, prompter);
    return false;  // the selection stays, so the same rows can be written again
  }
  UnmarkRows(rows, selected);
  return true;
}

RowScriptResult WriteRowScript(WindowRef owner, RowStore& rows, int row, const std::string& path,
                               const ItemSlots& items, const EnvironmentSettings& settings,
                               Prompter& prompter) {
  const int count = rows.RowCount();
  if (count == 0) {
    prompter.Tell(owner, std::string(kEmptyListText), std::string(kEmptyListTitle), Icon::kWarning);
    return RowScriptResult::kFailed;
  }
  // Rows can be deleted between the ticks of a timed run; a row that is gone has nothing to
  // plot, and writing its empty cells would send AutoCAD to open "\".
  if (row < 0 || row >= count) return RowScriptResult::kSkipped;
  const int first_selected = rows.NextSelectedRow();
  if (first_selected != kNoRow && first_selected != row) return RowScriptResult::kSkipped;
  if (!SaveFileReplacing(path, BuildScript(rows, {row}, items, settings))) {
    ShowOpenError(owner, prompter);
    return RowScriptResult::kFailed;
  }
  if (first_selected != kNoRow) UnmarkRow(rows, row);
  return RowScriptResult::kWritten;
}

}  // namespace drawlot
