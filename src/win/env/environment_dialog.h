// The environment settings dialog "環境設定" (dialog 2): the three paths with their browse
// buttons and the automatic detection, the prohibited printers, and the A/B paper restriction.
// It changes the live settings record (both the start-up copy and the menu's copy work on the
// same one); the record reaches "plot_set.ini" when the program ends.
#pragma once

#include <memory>
#include <string>

#include "core/env/environment_settings.h"
#include "core/platform/file_system.h"
#include "win/platform/dialog.h"

namespace drawlot {

struct EnvironmentRecords {
  EnvironmentSettings& settings;
  const FileSystem& files;     // the fixed drives the automatic detection searches
  std::string startup_folder;  // where its fallbacks point
};

// Modal over the context's owner (the menu command).
void RunEnvironmentDialog(const DialogContext& context, const EnvironmentRecords& records);
// Modeless beside the owner (start-up without "plot_set.ini"): the dialog object, which must
// outlive its window (it is destroyed by OK, Cancel or the close box).
std::unique_ptr<Dialog> OpenEnvironmentDialog(const DialogContext& context,
                                              const EnvironmentRecords& records);

}  // namespace drawlot
