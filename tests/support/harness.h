#pragma once
// A program on scripted services, for tests that drive the handlers directly. The scripted
// player answers every box the moment it is shown.
#include "platform/scripted.h"
#include "support/fixtures.h"
#include "support/send_events.h"
#include "ui/program.h"

namespace quarvel::testing {

struct Harness : SendsEvents<Harness> {
  ScriptedClock clock{ScriptedStart()};
  ScriptedGenerator generator;
  ScriptedDrawList draws;
  Boxes boxes;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  MemoryFileStore files;
  ScriptedShortestSolutions shortest;
  Services services{clock, boxes, windowSystem, files, draws, shortest};
  Program program{services};

  Harness() { files.files["quarvel.dat"] = kSolvedHomeFile; }
  const ProgramState& state() const { return program.state(); }
  const SolverGame& game() const { return program.state().game; }
  const MainWindowState& window() const { return program.mainWindow(); }
};

}  // namespace quarvel::testing
