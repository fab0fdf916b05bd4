#pragma once
// The program on a data folder on disk, with scripted clock and dialogs.
#include <chrono>
#include <string>
#include <vector>

#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "reliability/processes.h"
#include "support/deal_draws.h"
#include "support/fixtures.h"
#include "ui/program.h"

namespace quarvel::testing {

struct DiskHarness {
  explicit DiskHarness(const std::string& folder, std::chrono::milliseconds lockWait = std::chrono::seconds(3))
      : files(folder, lockWait), folder_(folder) {}

  ScriptedClock clock{ScriptedStart()};
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  ScriptedDrawList draws;
  DirectoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, dialogs, windowSystem, files, draws, shortest};
  Program program{services};

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  const ProgramState& state() const { return program.state(); }
  const MainWindowState& window() const { return program.mainWindow(); }

  // Wins the solved-arrangement game in `seconds` and answers the name box with `name`.
  void Win(const std::string& name, int seconds) {
    program.ClickNewGame();
    program.ClickGiveUp();
    program.TypeGameNumber("0");
    program.ClickReplay();
    clock.Advance(seconds);
    program.ClickTile(15);
    dialogs.answers.push_back(name);
    program.ClickTile(15);
  }
  // Deals the game of `number` and clicks "Save Game #".
  void Save(const std::string& number) {
    draws.values = DrawsDealing(number);
    program.ClickNewGame();
    program.ClickSave();
    program.ClickGiveUp();
  }
  // The failures reported so far, without the "failure " prefix.
  std::vector<std::string> Failures() const {
    std::vector<std::string> failures;
    for (const std::string& line : dialogs.transcript)
      if (line.rfind("failure ", 0) == 0) failures.push_back(line.substr(8));
    return failures;
  }
  bool Shown(const std::string& line) const {
    for (const std::string& l : dialogs.transcript)
      if (l == line) return true;
    return false;
  }

 private:
  std::string folder_;
};

}  // namespace quarvel::testing
