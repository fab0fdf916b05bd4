#pragma once
// The program on a data folder on disk, with scripted clock and dialogs.
#include <chrono>
#include <string>
#include <vector>

#include "platform/scripted.h"
#include "records/directory_file_store.h"
#include "reliability/processes.h"
#include "support/deal_draws.h"
#include "ui/program.h"

namespace quarvel::testing {

inline const char* kHomePositions =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

struct DiskHarness {
  explicit DiskHarness(const std::string& folder, std::chrono::milliseconds lockWait = std::chrono::seconds(3))
      : files(folder, lockWait), folder_(folder) {}

  ScriptedClock clock{ToDateTime({2026, 1, 1, 9, 0, 0})};
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  ScriptedDrawList draws;
  DirectoryFileStore files;
  Services services{clock, dialogs, windowSystem, files, draws};
  Program program{services};

  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  const GameState& state() const { return program.state(); }

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
