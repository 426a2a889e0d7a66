// The AutoCAD stand-in (tools/cad_standin) as the tests use it: copied to where a test wants
// its CAD program, told to wait or not, and its log read back run by run.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/file_io.h"
#include "support/temp_folder.h"

namespace drawlot::testing {

// What the stand-in recorded of one start.
struct StandInRun {
  std::string command_line;
  std::string script_path;
  std::string script;  // the script's bytes when the stand-in started; "(none)" when unreadable
  bool ended = false;  // it wrote its end line before the log was read
};

// The stand-in is built beside the test suite.
inline std::string StandInProgram() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string own(path, length);
  return own.substr(0, own.rfind('\\')) + "\\drawlot_cad_standin.exe";
}

// Copies the stand-in into `folder` as `name`; its full path.
inline std::string InstallStandIn(const TempFolder& folder, const std::string& name) {
  const std::string target = folder.File(name);
  EXPECT_TRUE(CopyFileA(StandInProgram().c_str(), target.c_str(), FALSE))
      << "no stand-in at " << StandInProgram();
  return target;
}

// The stand-in in `folder` waits `milliseconds` before it ends.
inline void MakeStandInWait(const TempFolder& folder, int milliseconds) {
  folder.Write("standin.wait", std::to_string(milliseconds));
}

inline std::vector<StandInRun> StandInRuns(const TempFolder& folder) {
  const std::string log = folder.Read("standin.log");
  std::vector<StandInRun> runs;
  constexpr std::string_view kRun = "[run]\r\n";
  std::size_t at = log.find(kRun);
  while (at != std::string::npos) {
    std::size_t pos = at + kRun.size();
    auto field = [&](std::string_view key) {
      const std::size_t end = log.find("\r\n", pos);
      std::string line = log.substr(pos, end - pos);
      pos = end + 2;
      EXPECT_EQ(line.rfind(key, 0), 0u) << line;
      return line.substr(key.size());
    };
    StandInRun run;
    const std::string id = field("id=");
    run.command_line = field("command_line=");
    run.script_path = field("script=");
    const std::string size = field("bytes=");
    if (size == "none") {
      run.script = "(none)";
    } else {
      run.script = log.substr(pos, std::stoul(size));
      pos += run.script.size();
    }
    run.ended = log.find("[ended " + id + "]\r\n", pos) != std::string::npos;
    runs.push_back(run);
    at = log.find(kRun, pos);
  }
  return runs;
}

// For programs that are started without being waited for: until the stand-in in `folder` has
// ended `count` runs (or a generous limit has passed, so a fault fails instead of hanging).
inline std::vector<StandInRun> AwaitStandInRuns(const TempFolder& folder, std::size_t count) {
  for (int attempt = 0; attempt < 3000; ++attempt) {
    const auto runs = StandInRuns(folder);
    if (runs.size() >= count && runs.back().ended) return runs;
    Sleep(10);
  }
  return StandInRuns(folder);
}

}  // namespace drawlot::testing
