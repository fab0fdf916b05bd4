#pragma once
// Runs console script lines against the program, printing what the player would see.
#include <istream>
#include <ostream>
#include <string>

#include "console/printed_services.h"
#include "console/script_command.h"
#include "game/shuffled_random.h"
#include "platform/directory_file_store.h"
#include "platform/scripted.h"
#include "platform/system_clock.h"
#include "ui/program.h"

namespace quarvel::console {

class ConsoleSession {
 public:
  ConsoleSession(std::ostream& out, std::ostream& err, const std::string& folder);
  // Runs the whole script; returns the exit status.
  int Run(std::istream& in);

 private:
  // Runs one parsed command.
  void Execute(const ScriptCommand& command);
  // Prints and answers every box the program puts up.
  void AnswerBoxes();

  std::ostream& out_;
  std::ostream& err_;
  ScriptedClock clock_;
  SystemGenerator generator_;
  ShuffledRandomSource shuffled_{generator_};
  QueuedDrawSource draws_{shuffled_};
  Boxes boxes_;
  PrintedBoxes printed_{out_};
  NoWindowSystem windowSystem_;
  NoShortestSolutions shortest_;
  DirectoryFileStore files_;
  Program program_;
};

}  // namespace quarvel::console
