// Partial scripts: one set's items in a ".dat" file of the user's choice, each line the
// item-set line without the set index.
#pragma once

#include <string>
#include <string_view>

#include "core/model/script_item.h"
#include "core/platform/file_name_picker.h"

namespace drawlot {

// Every present slot, in slot order; absent slots are skipped, not ended at, so a gap in the
// set comes back as the same gap.
std::string SerializePartialScript(const ItemSlots& slots);
// Clears all 50 slots, then reads lines until an empty line or a slot index outside 0..49.
void ParsePartialScript(ItemSlots& slots, std::string_view bytes);

// The file at `path`: reading returns false when it cannot be opened, and then leaves the
// slots as they were, so a mistyped name loses nothing; writing returns false when the file
// cannot be created or written, and leaves an existing file whole.
bool LoadPartialScriptFile(ItemSlots& slots, const std::string& path);
bool SavePartialScriptFile(const ItemSlots& slots, const std::string& path);

// What loading or saving a set through its file dialog came to.
enum class PartialScriptResult {
  kDone = 0,
  kFileError = 1,  // the file cannot be opened (load) or created (save)
  kCancelled = 2,  // the file dialog was cancelled; nothing changed
};

// The file dialogs: one type "DatFile(*.dat)", the name field preset to every ".dat" of the
// start-up folder for a load, to the set's title and ".dat" there for a save. The picker adds no
// extension and asks nothing before an existing file is replaced.
FileDialogRequest PartialScriptDialog(WindowRef owner, FileDialogKind kind,
                                      std::string_view startup_folder, std::string_view set_title);

// Asks for a file and loads it into set `set_index`, or saves that set's items to it. The path
// chosen is kept in `last_partial_script_path` as soon as the dialog returns it.
PartialScriptResult LoadPartialScript(WindowRef owner, ScriptItemTable& table, int set_index,
                                      std::string_view startup_folder, FileNamePicker& picker);
PartialScriptResult SavePartialScript(WindowRef owner, ScriptItemTable& table, int set_index,
                                      std::string_view startup_folder, FileNamePicker& picker);

}  // namespace drawlot
