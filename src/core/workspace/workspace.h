// The files Drawlot keeps in its start-up folder, as one whole: which are read at start and
// with what boxes, and which may be written at the end and in what order.
//
//   start:  drwlt_set1.ini, drwlt_set2.ini, plot_set.ini, drawlot.ini (while the window is
//           made), then listview.ini (when the list exists)
//   close:  listview.ini (when the window is destroyed)
//   exit:   plot_set.ini, drwlt_set1.ini, drwlt_set2.ini, drawlot.ini (after the loop)
//
// A file is written only when every start-up read has finished and its own content was read
// (or it was missing): a half-done start or a file that could not be read is never replaced by
// empty or default records.
#pragma once

#include <string>

#include "core/env/environment_settings.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/prompter.h"
#include "core/platform/settings_file.h"
#include "core/workspace/program_settings.h"

namespace drawlot {

// The records the files hold, and the folder they live in.
struct WorkspaceRecords {
  const std::string& folder;
  ScriptItemTable& items;
  EnvironmentSettings& settings;
  ProgramSettings& program;
  ProgramSettingsFile& program_file;  // "drawlot.ini" as read: its lines are written back
};

// What the start-up reads found: the files written at the end depend on it.
struct StartupReads {
  bool finished = false;
  int set_titles = kSettingsUnreadable;
  int item_sets = kSettingsUnreadable;
  int environment = kSettingsUnreadable;
  int program = kSettingsUnreadable;  // "drawlot.ini"
  bool list_loaded = false;  // "listview.ini" was read to its end (or missing): it may be saved
  bool list_kept = false;    // "listview.ini" was there but could not be read: it is kept

  bool MayWrite(int result) const { return finished && result != kSettingsUnreadable; }
};

// Reads the two set files, "plot_set.ini" and "drawlot.ini" into the records, in this order,
// with their start-up boxes owned by `owner` (a file that is missing: the defaults; one that is
// there but unreadable: the defaults, and the file is kept). Returns whether "plot_set.ini"
// was missing, when the environment dialog opens beside the window.
bool ReadSettingsAtStart(const WorkspaceRecords& workspace, StartupReads& reads, Prompter& prompter,
                         WindowRef owner);

// Loads "listview.ini" into the empty `rows`. A file that cannot be read whole is told of,
// its rows that got in are dropped, and it is kept as it is at close.
void LoadListAtStart(const WorkspaceRecords& workspace, RowStore& rows, RowTagSource& tags,
                     StartupReads& reads, Prompter& prompter, WindowRef owner);

// When the window is destroyed: "listview.ini", when it may be written. A list that cannot
// be saved (also for lack of memory) is told of; the old file stays.
void SaveListAtClose(const WorkspaceRecords& workspace, const RowStore& rows,
                     const StartupReads& reads, Prompter& prompter, WindowRef owner);

// After the loop: "plot_set.ini", "drwlt_set1.ini", "drwlt_set2.ini" and "drawlot.ini" (only
// when a value changed), each when it may be written. "drwlt_set2.ini" holds the items only of
// the sets the titles mark as there, so it is also kept when "drwlt_set1.ini" was unreadable.
void SaveSettingsAtExit(const WorkspaceRecords& workspace, const StartupReads& reads,
                        Prompter& prompter);

}  // namespace drawlot
