#pragma once
// A program on scripted services, for tests that drive the handlers directly.
#include <string>

#include "platform/scripted.h"
#include "support/fixtures.h"
#include "ui/program.h"

namespace quarvel::testing {

struct Harness {
  ScriptedClock clock{ScriptedStart()};
  ScriptedGenerator generator;
  ScriptedDrawList draws;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  MemoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, dialogs, windowSystem, files, draws, shortest};
  Program program{services};

  Harness() { files.files["quarvel.dat"] = kSolvedHomeFile; }
  bool Start() { return program.Start(); }
  const ProgramState& state() const { return program.state(); }
  const MainWindowState& window() const { return program.mainWindow(); }
};

}  // namespace quarvel::testing
