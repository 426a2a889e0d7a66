#include "core/script/script_writer.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "core/list/list_rows.h"
#include "core/list/row_marks.h"
#include "core/model/column_layout.h"
#include "core/text/cp932.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {
namespace {

// A whole-text item reads its cell as a 128-byte field; the drawing path reads the file-name
// and folder cells as 260-byte fields (kCellReadLimit).
constexpr std::size_t kWholeTextBytes = 127;

// Cells are read one byte longer than they are kept, so a double-byte character cut by the store
// shows as such and is dropped whole; the read also leaves a NUL after the text.
constexpr std::size_t ReadBufferFor(std::size_t kept_bytes) {
  return kept_bytes + 2;
}

// The drawing path is the folder, a backslash unless the folder already ends in one that is a
// real separator (the folder is longer than one byte and the backslash is not the trail byte of
// a character such as 表), then the file name.
bool NeedsSeparator(std::string_view folder) {
  return !(folder.size() > 1 && EndsWithBackslash(folder));
}

// Reads a cell into `out`, keeping at most `max_bytes` bytes without splitting a character.
// `out` has room for ReadBufferFor(max_bytes) bytes. Returns the bytes kept.
std::size_t CopyCellText(const RowStore& rows, int row, int column, std::size_t max_bytes,
                         char* out) {
  const std::size_t read = rows.CopyCell(row, column, out, ReadBufferFor(max_bytes));
  return read <= max_bytes ? read : Cp932PrefixLength(std::string_view(out, read), max_bytes);
}

void ShowOpenError(WindowRef owner, Prompter& prompter) {
  prompter.Tell(owner, kScriptOpenErrorText, kScriptOpenErrorTitle, Icon::kWarning);
}

// A refused script still empties the script file, as the run has always opened (and so
// truncated) it before looking at the list; when even that fails, the open error is the one
// the user sees.
bool RefuseWithEmptyScript(WindowRef owner, const std::string& path, std::string_view text,
                           std::string_view title, Prompter& prompter) {
  if (!SaveFileReplacing(path, "")) {
    ShowOpenError(owner, prompter);
  } else {
    prompter.Tell(owner, text, title, Icon::kWarning);
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

// The script is written in pieces of about this size, so a long list never holds its whole
// script in memory (100,000 rows of a plotting set make about 11 MB).
constexpr std::size_t kScriptPieceBytes = 1024 * 1024;

// Writes the script of `targets`, followed by the trailer, to `path` through a temporary
// file, so a failure part-way leaves the old script as it was. False on any failure.
bool SaveScript(const std::string& path, const RowStore& rows, const std::vector<int>& targets,
                const ItemSlots& items, const EnvironmentSettings& settings) {
  ReplacingFile file(path);
  if (!file.IsOpen()) return false;
  const ScriptPlan plan(items);
  // A script of a few rows (one, for the runs that start AutoCAD once per row) needs no more.
  const std::size_t piece_bytes = std::min(kScriptPieceBytes, targets.size() * plan.MaxRowBytes());
  const auto piece = std::make_unique_for_overwrite<char[]>(piece_bytes + plan.MaxRowBytes());
  std::size_t used = 0;
  for (int row : targets) {
    used += plan.WriteRowBlock(piece.get() + used, rows, row);
    if (used >= piece_bytes) {
      if (!file.Write(std::string_view(piece.get(), used))) return false;
      used = 0;
    }
  }
  std::string trailer;
  AppendTrailer(trailer, settings.end_file_dwg.view());
  return file.Write(std::string_view(piece.get(), used)) && file.Write(trailer) && file.Commit();
}

}  // namespace

ScriptPlan::ScriptPlan(const ItemSlots& items) {
  const ColumnLayout layout = ColumnLayout::ItemWalk(items);
  for (int slot = 0, n = layout.walked_slots(); slot < n; ++slot) {
    const ScriptItem& item = items[slot];
    const int column = layout.ColumnCounterAt(slot);
    if (item.display_mode == static_cast<std::int32_t>(DisplayMode::kFileName)) {
      file_name_column_ = column;
    }
    if (item.display_mode == static_cast<std::int32_t>(DisplayMode::kFolder)) {
      folder_column_ = column;
    }
    switch (static_cast<OutputMode>(item.output_mode)) {
      case OutputMode::kCommandAndPath:
        AddText(item.command.view());
        AddText(" \"");
        AddCell(Cell::kDrawingPath, column);
        AddText("\"\r\n");
        break;
      case OutputMode::kCommand:
        AddText(item.command.view());
        AddText("\r\n");
        break;
      case OutputMode::kFirstCharacter:
        AddCell(Cell::kFirstByte, column);
        AddText("\r\n");
        break;
      case OutputMode::kWholeText:
        AddCell(Cell::kWholeText, column);
        AddText("\r\n");
        break;
      default:  // kNone, and modes outside the table, write nothing
        break;
    }
  }
}

void ScriptPlan::AddText(std::string_view text) {
  if (pieces_.empty()) pieces_.push_back(Piece{Cell::kNone, -1, {}, 0});
  Piece& piece = pieces_.back();
  max_row_bytes_ -= piece.text.size();
  piece.text.resize(piece.text_length);
  piece.text.append(text);
  piece.text_length = piece.text.size();
  piece.text.resize((piece.text_length + kTextBlock - 1) / kTextBlock * kTextBlock, '\0');
  max_row_bytes_ += piece.text.size();
}

void ScriptPlan::AddCell(Cell cell, int column) {
  pieces_.push_back(Piece{cell, column, {}, 0});
  switch (cell) {
    case Cell::kDrawingPath:  // the folder, its separator, the file name
      max_row_bytes_ += 2 * ReadBufferFor(kCellReadLimit);
      break;
    case Cell::kFirstByte:
      max_row_bytes_ += 2;
      break;
    default:
      max_row_bytes_ += ReadBufferFor(kWholeTextBytes);
      break;
  }
}

std::size_t ScriptPlan::WriteDrawingPath(char* out, const RowStore& rows, int row) const {
  // Without a folder column the file name stands alone rather than below the drive root;
  // without a file-name column the path ends in the folder's separator.
  std::size_t length = 0;
  if (folder_column_) {
    length = CopyCellText(rows, row, *folder_column_, kCellReadLimit, out);
    if (NeedsSeparator(std::string_view(out, length))) out[length++] = '\\';
  }
  if (file_name_column_) {
    length += CopyCellText(rows, row, *file_name_column_, kCellReadLimit, out + length);
  }
  return length;
}

std::string ScriptPlan::DrawingPath(const RowStore& rows, int row) const {
  std::string path(2 * ReadBufferFor(kCellReadLimit), '\0');
  path.resize(WriteDrawingPath(path.data(), rows, row));
  return path;
}

std::size_t ScriptPlan::WriteRowBlock(char* out, const RowStore& rows, int row) const {
  char* at = out;
  for (const Piece& piece : pieces_) {
    switch (piece.cell) {
      case Cell::kNone:
        break;
      case Cell::kDrawingPath:
        // The path of the row, whichever item asks for it: the last folder and file-name
        // items of the whole walk.
        at += WriteDrawingPath(at, rows, row);
        break;
      case Cell::kFirstByte:
        // One byte, even of a double-byte character: the item answers a one-letter prompt.
        // Before the first displayed item (column -1) the cell reads as empty.
        at += rows.CopyCell(row, piece.column, at, 2);
        break;
      case Cell::kWholeText:
        at += CopyCellText(rows, row, piece.column, kWholeTextBytes, at);
        break;
    }
    for (std::size_t i = 0; i < piece.text.size(); i += kTextBlock) {
      std::memcpy(at + i, piece.text.data() + i, kTextBlock);
    }
    at += piece.text_length;
  }
  return static_cast<std::size_t>(at - out);
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
  if (!SaveScript(path, rows, targets, items, settings)) {
    ShowOpenError(owner, prompter);
    return false;  // the selection stays, so the same rows can be written again
  }
  UnmarkRows(rows, selected);
  return true;
}

bool WriteStartScript(WindowRef owner, RowStore& rows, const std::vector<int>& targets,
                      const std::string& path, const ItemSlots& items,
                      const EnvironmentSettings& settings, Prompter& prompter, bool unmark) {
  if (!SaveScript(path, rows, targets, items, settings)) {
    ShowOpenError(owner, prompter);
    return false;
  }
  if (!unmark) return true;
  for (int row : targets) {
    if (rows.GetRowState(row, kMarkStates) != 0) UnmarkRow(rows, row);
  }
  return true;
}

}  // namespace drawlot
