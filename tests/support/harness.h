#pragma once
// A program on scripted services, for tests that drive the handlers directly.
#include <string>

#include "platform/scripted.h"
#include "ui/program.h"

namespace quarvel::testing {

inline const char* kSolvedHomeFile =
    "4,4\r\n1,1\r\n1,2\r\n1,3\r\n1,4\r\n2,1\r\n2,2\r\n2,3\r\n2,4\r\n3,1\r\n3,2\r\n3,3\r\n3,4\r\n4,1\r\n4,2\r\n4,3\r\n";

struct Harness {
  ScriptedClock clock{ToDateTime({2026, 1, 1, 9, 0, 0})};
  ScriptedGenerator generator;
  ScriptedDrawList draws;
  ScriptedDialogs dialogs;
  ScriptedWindowSystem windowSystem;
  MemoryFileStore files;
  Services services{clock, dialogs, windowSystem, files, draws};
  Program program{services};

  Harness() { files.files["quarvel.dat"] = kSolvedHomeFile; }
  bool Start() { return program.Start(); }
  const GameState& state() const { return program.state(); }
};

}  // namespace quarvel::testing
