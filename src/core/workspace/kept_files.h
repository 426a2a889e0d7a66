// Files that were there at start but could not be read are kept as they are: nothing is ever
// written over them. What the session made of their records is not thrown away either: at the
// end it is saved beside each kept file under a new name, and one box says where.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/local_time.h"
#include "core/platform/prompter.h"
#include "core/workspace/workspace.h"

namespace drawlot {

// The name of the session's version of `kept_name`: "listview.ini" at 2026-12-07 15:30:00 gives
// "listview_20261207-153000.ini"; a later `attempt` (1, 2, ...) adds "-2", "-3", ... so that a
// name already taken is passed by.
std::string SessionVersionName(std::string_view kept_name, const LocalTime& time, int attempt);

// The session versions saved at the end, and the one box that tells of them.
class KeptFiles {
 public:
  // Saves `bytes` beside the kept file `name` of `folder` under the first session name that no
  // file takes (created only where no file is). A failure is noted for the box.
  void SaveSessionVersion(std::string_view folder, std::string_view name, std::string_view bytes,
                          const LocalTime& time);
  // A kept file whose session version could not even be made.
  void NoteNotSaved(std::string_view name);
  // The box's text: which files were kept and where the session's versions are.
  std::string BoxText() const;
  // Shows that box (no owner: the window is gone by then) when a file was kept.
  void Tell(Prompter& prompter) const;

 private:
  struct Kept {
    std::string name;
    std::string session_name;  // empty when it could not be saved
  };
  std::vector<Kept> kept_;
};

// When the window closes: the session's rows beside a "listview.ini" that was kept.
void SaveKeptListSessionVersion(const StartupReads& reads, const RowStore& rows,
                                std::string_view folder, const LocalTime& time, KeptFiles& kept);

// The settings files that the end must not write because they were not read at start
// ("drwlt_set1.ini", "drwlt_set2.ini", "plot_set.ini", "drawlot.ini"), each saved as its
// session version. The item sets go with the set titles: with the titles kept, the item file is
// not written.
void SaveKeptSettingsSessionVersions(const WorkspaceRecords& workspace, const StartupReads& reads,
                                     const LocalTime& time, KeptFiles& kept);

}  // namespace drawlot
