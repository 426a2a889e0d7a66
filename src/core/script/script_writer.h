// The AutoCAD script: for every drawing row, one line (or none) per script item of the current
// set, then a trailer that opens the end drawing and quits. The whole script is built in memory
// and saved in one step, so a failure never leaves half a script behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/items/script_item.h"
#include "core/list/row_store.h"
#include "core/platform/prompter.h"

namespace drawlot {

// Which rows a script covers.
enum class ScriptRowScope : int {
  kAll = 0,            // every row, top to bottom
  kSelected = 1,       // the selected rows; none selected is an error
  kSelectedOrAll = 2,  // the selected rows, or every row when none is selected
};

// What WriteRowScript did.
enum class RowScriptResult : int { kWritten = 0, kSkipped = 1, kFailed = 2 };

inline constexpr std::string_view kScriptOpenErrorText = "実行スクリプトファイルが開けません";
inline constexpr std::string_view kScriptOpenErrorTitle = "ファイルＯＰＥＮエラー";
inline constexpr std::string_view kEmptyListText = "リストビューに項目がありません";
inline constexpr std::string_view kEmptyListTitle = "実行エラー";
inline constexpr std::string_view kNothingSelectedText = "ファイルが選択していません";
inline constexpr std::string_view kNothingSelectedTitle = "選択ミス";

// The items of a set prepared once for every row: what each item writes and from which column.
// It refers to the items' commands, so it must not outlive `items`.
class ScriptPlan {
 public:
  explicit ScriptPlan(const ItemSlots& items);

  // Appends the lines of one row.
  void AppendRowBlock(std::string& script, const RowStore& rows, int row) const;

  // The list columns the drawing path is built from (the last file-name and the last folder
  // item of the walk), or nullopt when the set displays no such item.
  std::optional<int> file_name_column() const { return file_name_column_; }
  std::optional<int> folder_column() const { return folder_column_; }

 private:
  struct Step {
    std::int32_t output_mode;
    int column;  // the column counter at this item: -1 before the first displayed item
    std::string_view command;
  };
  void AppendRowDrawingPath(std::string& script, const RowStore& rows, int row) const;

  std::vector<Step> steps_;
  std::optional<int> file_name_column_;
  std::optional<int> folder_column_;
};

// The drawing path of a row: the folder, a backslash unless the folder already ends in one that
// is a real separator (the folder is longer than one byte and the backslash is not the trail
// byte of a character such as 表), then the file name.
std::string DrawingPath(std::string_view folder, std::string_view file_name);
void AppendDrawingPath(std::string& out, std::string_view folder, std::string_view file_name);

// The two closing lines: open the end drawing, quit.
void AppendTrailer(std::string& script, std::string_view end_drawing);

// Writes the script of the rows of `scope` into `path`. Selected rows are written top to
// bottom and are unmarked once the script is saved. False after a failure, whose box has been
// shown (owned by `owner`).
bool WriteScript(WindowRef owner, RowStore& rows, ScriptRowScope scope, const std::string& path,
                 const ItemSlots& items, const EnvironmentSettings& settings, Prompter& prompter);

// Writes the script of one row, for the runs that start AutoCAD once per row. When rows are
// selected only the first selected row is written (and then unmarked); any other row, and a row
// that no longer exists, is skipped without touching the file.
RowScriptResult WriteRowScript(WindowRef owner, RowStore& rows, int row, const std::string& path,
                               const ItemSlots& items, const EnvironmentSettings& settings,
                               Prompter& prompter);

}  // namespace drawlot
