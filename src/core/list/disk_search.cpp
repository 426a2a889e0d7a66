#include "core/list/disk_search.h"

#include "core/list/list_rows.h"
#include "core/text/cp932.h"

namespace drawlot {

void AddFoundDrawing(AddingContext& context, std::string_view path) {
  const std::size_t slash = FindLastBackslash(path);
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
  const std::string_view name = FileNameOf(path);
  const std::vector<DirectoryEntry> found =
      path.size() > kMaxPathBytes ? std::vector<DirectoryEntry>{} : context.files.List(path);
  if (found.empty()) {
    context.prompter.Tell(context.owner, "読込出来ません！", "ファイル追加操作", Icon::kWarning);
    return;
  }
  InsertListedFile(context, found.front(), folder, IconOfFileName(name), context.rows.RowCount());
}

void FindAndAddOnDisks(AddingContext& context, std::string_view name) {
  if (const auto found = FindOnFixedDrives(context.files, name)) {
    AddFoundDrawing(context, *found);
  } else {
    context.prompter.Tell(context.owner, "ＨＤＤ内にありませんでした。", "ファイル検索",
                          Icon::kWarning);
  }
}

}  // namespace drawlot
