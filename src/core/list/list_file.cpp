#include "core/list/list_file.h"

#include <functional>

#include "core/list/list_rows.h"
#include "core/platform/settings_file.h"
#include "core/text/decimal.h"
#include "core/text/fields.h"
#include "core/text/file_io.h"
#include "core/text/line_reader.h"

namespace drawlot {
namespace {

// Lines are read whole. SaveList writes lines of up to 32 x 127 bytes and 31 separators,
// longer than the 511 bytes the reader once had room for; a line read in pieces would turn its
// tail into rows of their own and shift every row after it. A line beyond kListLineMaxBytes
// ends the list.
using NextLine = std::function<bool(std::string& line)>;

bool StartsAsList(std::string_view first_line) {
  return UpToNul(first_line).starts_with(kRowCountKey);
}

bool IsDxfLetter(char c, char lower) {
  return c == lower || c == lower - ('a' - 'A');
}

void AppendRowLine(std::string& out, const RowStore& rows, int row) {
  for (int column = 0; column < kListFieldCount; ++column) {
    if (column > 0) out.push_back(';');
    out.append(ReadCellText(rows, row, column, kListCellBytes));
  }
  out.append("\r\n");
}

// Inserts one row from the fields of its line. A row the store refuses gets no cells.
void InsertListedRow(RowStore& rows, int position, std::string_view line, RowTagSource& tags) {
  const auto fields = SplitFields(line, ';', kListFieldCount);
  const int row = rows.InsertRow(position, fields[0], IconOfListedName(fields[0]), tags.Next());
  if (row == kNoRow) return;
  for (int column = 1; column < kListFieldCount; ++column) {
    std::string_view field = fields[column];
    if (column == kListFieldCount - 1) field = field.substr(0, field.find(';'));  // 32 at most
    // A new row's cells are empty already; an empty field has nothing to add.
    if (!field.empty()) rows.SetCell(row, column, field);
  }
}

// The rows of the lines that `next` gives, the first line being the row count.
int ParseListLines(RowStore& rows, const NextLine& next, RowTagSource& tags) {
  std::string line;
  if (!next(line) || !StartsAsList(line)) return 0;
  const std::int32_t count = ParseDecimal(UpToNul(line).substr(kRowCountKey.size()));
  int row = 0;
  // Fewer lines than the count: the list ends at the first empty line or the file's end.
  while (row < count && next(line) && !UpToNul(line).empty()) {
    InsertListedRow(rows, row, UpToNul(line), tags);
    ++row;
  }
  return row;
}

}  // namespace

std::string SerializeList(const RowStore& rows) {
  const int count = rows.RowCount();
  std::string out;
  out.reserve(static_cast<std::size_t>(count) * 96 + 32);
  AppendLine(out, std::string(kRowCountKey) + FormatDecimal(count));
  for (int row = 0; row < count; ++row) AppendRowLine(out, rows, row);
  return out;
}

int ParseList(RowStore& rows, std::string_view bytes, RowTagSource& tags) {
  LineReader reader(bytes);
  return ParseListLines(
      rows,
      [&reader](std::string& line) {
        return reader.ReadLine(kListLineMaxBytes + 1, line) && line.size() <= kListLineMaxBytes;
      },
      tags);
}

int IconOfListedName(std::string_view first_cell) {
  if (first_cell.size() < 3) return kIconDwg;
  const std::string_view tail = first_cell.substr(first_cell.size() - 3);
  const bool dxf =
      IsDxfLetter(tail[0], 'd') && IsDxfLetter(tail[1], 'x') && IsDxfLetter(tail[2], 'f');
  return dxf ? kIconDxf : kIconDwg;
}

bool SaveList(WindowRef owner, const RowStore& rows, const std::string& path, Prompter& prompter) {
  if (SaveFileReplacing(path, SerializeList(rows))) return true;
  prompter.Tell(owner, kCannotSaveText, kCannotSaveTitle, Icon::kWarning);
  return false;
}

ListFileStatus CheckListFile(const std::string& path) {
  FileLines lines(path);
  if (!lines.IsOpen()) {
    return lines.OpenOutcome() == ReadOutcome::kMissing ? ListFileStatus::kMissing
                                                        : ListFileStatus::kUnreadable;
  }
  std::string first;
  if (lines.Next(kListLineMaxBytes, first)) {
    return StartsAsList(first) ? ListFileStatus::kList : ListFileStatus::kNotAList;
  }
  return lines.Failed() ? ListFileStatus::kUnreadable : ListFileStatus::kNotAList;
}

int LoadList(RowStore& rows, const std::string& path, RowTagSource& tags, bool* whole) {
  FileLines lines(path);
  if (!lines.IsOpen()) return 0;
  const int count = ParseListLines(
      rows, [&lines](std::string& line) { return lines.Next(kListLineMaxBytes, line); }, tags);
  if (whole) *whole = !lines.Failed() && !lines.Overlong();
  return count;
}

}  // namespace drawlot
