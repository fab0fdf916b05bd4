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
#include "support/send_events.h"
#include "ui/program.h"

namespace quarvel::testing {

struct DiskHarness : SendsEvents<DiskHarness> {
  explicit DiskHarness(const std::string& folder, std::chrono::milliseconds lockWait = std::chrono::seconds(3))
      : files(folder, lockWait), folder_(folder) {}

  ScriptedClock clock{ScriptedStart()};
  Boxes boxes;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  ScriptedDrawList draws;
  DirectoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, draws, shortest};
  Program program{services};

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  const ProgramState& state() const { return program.state(); }
  const SolverGame& game() const { return program.state().game; }
  const MainWindowState& window() const { return program.mainWindow(); }

  // Wins the solved-arrangement game in `seconds` and answers the name box with `name`.
  void Win(const std::string& name, int seconds) {
    Send(EventId::NewGame);
    Send(EventId::GiveUp);
    Type("0");
    Send(EventId::Replay);
    clock.Advance(seconds);
    Tile(15);
    dialogs.answers.push_back(name);
    Tile(15);
  }
  // Deals the game of `number` and clicks "Save Game #".
  void Save(const std::string& number) {
    draws.values = DrawsDealing(number);
    Send(EventId::NewGame);
    Send(EventId::Save);
    Send(EventId::GiveUp);
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
