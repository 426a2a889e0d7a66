// The process-wide records of Drawlot and the handles of its main window, created once by
// WinMain and reached from the main window procedure through the window's user data.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/edit/cell_editor.h"
#include "core/env/environment_settings.h"
#include "core/env/printer_catalog.h"
#include "core/items/row_buffer.h"
#include "core/list/list_sort.h"
#include "core/list/undo_history.h"
#include "core/model/row_store.h"
#include "core/model/script_item.h"
#include "core/platform/launcher.h"
#include "core/platform/print_spooler.h"
#include "core/platform/prompter.h"
#include "core/platform/settings_file.h"
#include "core/script/run_record.h"
#include "core/workspace/kept_files.h"
#include "core/workspace/program_settings.h"
#include "core/workspace/workspace.h"
#include "win/app/drawing_sources.h"
#include "win/app/printer_startup.h"
#include "win/env/environment_dialog.h"
#include "win/platform/dialog.h"
#include "win/platform/help_pages.h"
#include "win/platform/input_off.h"
#include "win/platform/list_view_row_store.h"
#include "win/platform/pickers.h"
#include "win/platform/process_launcher.h"
#include "win/platform/win32_print_spooler.h"

namespace drawlot {

// The run (win/app/run_commands.cpp); deleted there, where its type is complete.
struct ActiveRun;
struct ActiveRunDeleter {
  void operator()(ActiveRun* run) const;
};

// The preview pane (win/app/preview_pane.cpp), likewise.
struct PreviewPane;
struct PreviewPaneDeleter {
  void operator()(PreviewPane* pane) const;
};

struct Application {
  Application(std::string startup, Prompter& prompter_for_boxes, HINSTANCE resources)
      : startup_folder(std::move(startup)), prompter(prompter_for_boxes), instance(resources) {}
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The folder every settings file and "listview.ini" live in: the current directory at start.
  std::string startup_folder;
  Prompter& prompter;
  HINSTANCE instance;

  ScriptItemTable items{};
  EnvironmentSettings settings{};
  // "drawlot.ini": the settings of the program's own beyond "plot_set.ini", read at start, and
  // the file as it was read, whose lines go back at exit.
  ProgramSettings program_settings;
  ProgramSettingsFile program_file;
  RowTagSource tags;
  RowBuffer row_buffer{};
  SortDirections sort_directions;
  // What the start-up reads found: the files written at exit depend on it.
  StartupReads startup_reads;
  // The session versions saved at the end beside the files that were kept as they were.
  KeptFiles kept_files;
  // The set the script detail settings show: 0 at start, kept from one opening to the next.
  int shown_item_set = 0;
  // Rebuilt from the spooler at start-up and before each use that lists printers.
  PrinterCatalog printers;
  // The column of the last right click on the list: the column the cell editor edits.
  int edit_column = 0;
  // The in-place cell editor and its control (951 or 952), when one is open.
  CellEditor cell_editor;
  HWND cell_editor_window = nullptr;
  // "元に戻す": the list before each of the last commands that changed rows.
  UndoHistory undo;

  HWND main_window = nullptr;
  HWND toolbar = nullptr;
  HWND drawing_list = nullptr;
  HWND status_bar = nullptr;
  HFONT editor_font = nullptr;  // kept for the process's life
  std::unique_ptr<ListViewRowStore> rows;
  // The pane beside the list and its worker; made with the window.
  std::unique_ptr<PreviewPane, PreviewPaneDeleter> preview;

  // Opens a web page with the shell; tests put a recorder here.
  PageOpener open_web_page;

  // AutoCAD and Notepad are started through the launcher; tests put a recorder here.
  std::unique_ptr<Launcher> launcher = std::make_unique<ProcessLauncher>();
  std::string notepad_program = SystemNotepadPath();
  // The printers come from the real spooler; tests put a scripted one here.
  std::unique_ptr<PrintSpooler> spooler = std::make_unique<Win32PrintSpooler>();
  // The start-up enumeration while it runs; after the spooler, which it waits to be done with.
  PrinterStartup printer_startup;
  // The open, save and folder dialogs; tests point them at scripted stand-ins.
  Pickers pickers;
  // The modeless windows: the environment dialog opened at start-up and the About boxes (a
  // new one per command; those already closed are dropped when the next one opens).
  std::unique_ptr<Dialog> startup_environment_dialog;
  std::vector<std::unique_ptr<Dialog>> about_boxes;
  // The run, while one lasts (at most one), and the count that tells one run from the next.
  std::unique_ptr<ActiveRun, ActiveRunDeleter> run;
  int run_serial = 0;
  // The run record's writer, with the lines it could not write yet.
  RunRecordQueue run_record{startup_folder};
  // The main window's input: off while any scope of it lives.
  InputGate input_gate;
  // The end's saves are made once, at the end of the window or of the session.
  bool list_saved_at_exit = false;
  bool settings_saved_at_exit = false;
  // How the last run ended and what the last drop left out, side by side in the status bar.
  std::string last_run_status;
  std::string drop_report;
  // What "前回の印刷後に変更された図面を選択" chose, after them.
  std::string selection_report;
  // The disks added drawings come from, and the search texts.
  DrawingSources drawing_sources;

  WindowRef owner() const { return reinterpret_cast<WindowRef>(main_window); }
  // What a dialog over the main window may reach.
  DialogContext dialog_context() {
    return DialogContext{instance, main_window, editor_font, pickers, prompter, open_web_page};
  }
  EnvironmentRecords environment_records() {
    return EnvironmentRecords{settings, *drawing_sources.files, startup_folder};
  }
  WorkspaceRecords workspace() {
    return WorkspaceRecords{startup_folder, items, settings, program_settings, program_file};
  }
  const ItemSlots& current_items() const { return CurrentSet(items, settings).items; }
};

}  // namespace drawlot
