// A drawing list over the in-memory file system, with scripted pickers, for the tests of the
// ways drawings are added.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/env/environment_settings.h"
#include "core/list/add_drawings.h"
#include "core/list/list_test_support.h"
#include "core/platform/pickers.h"
#include "support/fakes/in_memory_file_system.h"
#include "support/recording_prompter.h"

namespace drawlot::testing {

// Answers the folder browser from a queue (empty, as a cancel, when the queue is empty) and
// records what it was asked.
class ScriptedFolderBrowser : public FolderBrowser {
 public:
  std::string ChooseFolder(std::string_view title, std::string_view preselected) override {
    titles.emplace_back(title);
    preselections.emplace_back(preselected);
    if (answers.empty()) return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::string> answers;
  std::vector<std::string> titles;
  std::vector<std::string> preselections;
};

class ScriptedFilePicker : public FilePicker {
 public:
  std::optional<PickedFiles> OpenFiles(const OpenFilesRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::optional<PickedFiles> answer;
  std::vector<OpenFilesRequest> requests;
};

inline LocalFileTime Time(int year, int month, int day, int hour, int minute) {
  return LocalFileTime{year, month, day, hour, minute};
}

class AddingTest : public ::testing::Test {
 protected:
  AddingTest() {
    BuildColumns(rows, slots);
    settings.file_folder = "C:\\last";
  }

  // Columns: file name, folder, date (the rest are initial values).
  std::vector<std::string> Row(int row) {
    std::vector<std::string> texts = RowTexts(rows, row);
    texts.resize(3);
    return texts;
  }
  std::vector<std::string> Names() { return ColumnTexts(rows, 0); }
  std::vector<std::string> Folders() { return ColumnTexts(rows, 1); }
  std::vector<int> Icons() {
    std::vector<int> icons;
    for (int row = 0; row < rows.RowCount(); ++row) icons.push_back(rows.IconOf(row));
    return icons;
  }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const Message& box : prompter.shown) texts.push_back(box.text + " / " + box.title);
    return texts;
  }

  ItemSlots slots = DrawingSlots();
  InMemoryRowStore rows;
  RowTagSource tags;
  EnvironmentSettings settings{};
  InMemoryFileSystem files;
  RecordingPrompter prompter;
  AddingContext context{rows, slots, tags, settings, files, prompter, 77};
};

}  // namespace drawlot::testing
