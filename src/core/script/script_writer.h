// The AutoCAD script: for every drawing row, one line (or none) per script item of the current
// set, then a trailer that opens the end drawing and quits. The script goes to a temporary file
// that replaces the old script in one step, so a failure never leaves half a script behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"

namespace drawlot {

// Which rows a script covers.
enum class ScriptRowScope : int {
  kAll = 0,            // every row, top to bottom
  kSelected = 1,       // the selected rows; none selected is an error
  kSelectedOrAll = 2,  // the selected rows, or every row when none is selected
};

inline constexpr std::string_view kScriptOpenErrorText = "実行スクリプトファイルが開けません";
inline constexpr std::string_view kScriptOpenErrorTitle = "ファイルＯＰＥＮエラー";
inline constexpr std::string_view kEmptyListText = "リストビューに項目がありません";
inline constexpr std::string_view kEmptyListTitle = "実行エラー";
inline constexpr std::string_view kNothingSelectedText = "ファイルが選択していません";
inline constexpr std::string_view kNothingSelectedTitle = "選択ミス";

// The items of a set prepared once for every row: the texts every row block repeats (commands,
// quotes, line ends), merged where they follow one another, and the cells read between them.
// Row blocks are written into a plain buffer with room for the largest block, so a long list
// costs a copy per cell and nothing more.
class ScriptPlan {
 public:
  explicit ScriptPlan(const ItemSlots& items);

  // The room WriteRowBlock needs: the largest block of any row, with the NUL a cell read may
  // leave after the last byte.
  std::size_t MaxRowBytes() const { return max_row_bytes_; }

  // Writes the lines of one row at `out`, which has room for MaxRowBytes() bytes. Returns the
  // number of bytes of the block.
  std::size_t WriteRowBlock(char* out, const RowStore& rows, int row) const;

  // The drawing path of a row exactly as its block writes it (folder, separator, file name).
  std::string DrawingPath(const RowStore& rows, int row) const;

 private:
  enum class Cell { kNone, kDrawingPath, kFirstByte, kWholeText };
  // A cell of the row (or none, for the texts before the first cell) and the text after it.
  struct Piece {
    Cell cell;
    int column;        // the cell's column: the column counter at its item (-1: before any)
    std::string text;  // padded with NULs to whole blocks of kTextBlock
    std::size_t text_length;
  };
  // Texts are copied in blocks of this many bytes, a fixed size the compiler copies without a
  // call; the bytes after a text's end are overwritten by what follows it.
  static constexpr std::size_t kTextBlock = 16;

  void AddText(std::string_view text);
  void AddCell(Cell cell, int column);
  std::size_t WriteDrawingPath(char* out, const RowStore& rows, int row) const;

  std::vector<Piece> pieces_;
  std::optional<int> file_name_column_;
  std::optional<int> folder_column_;
  std::size_t max_row_bytes_ = 0;
};

// The two closing lines: open the end drawing, quit.
void AppendTrailer(std::string& script, std::string_view end_drawing);

// Writes the script of the rows of `scope` into `path`. Selected rows are written top to
// bottom and are unmarked once the script is saved. False after a failure, whose box has been
// shown (owned by `owner`).
bool WriteScript(WindowRef owner, RowStore& rows, ScriptRowScope scope, const std::string& path,
                 const ItemSlots& items, const EnvironmentSettings& settings, Prompter& prompter);

// Writes the script of the rows of one start of a run, in the order given, whatever is selected
// now (the run follows its rows by tag, so a selection changed since it began skips nothing).
// A selected row is unmarked once the script is saved, unless
// `unmark` is false (全スクリプト実行 leaves the selection as it is). False after a failure,
// whose box has been shown.
bool WriteStartScript(WindowRef owner, RowStore& rows, const std::vector<int>& targets,
                      const std::string& path, const ItemSlots& items,
                      const EnvironmentSettings& settings, Prompter& prompter, bool unmark = true);

}  // namespace drawlot
