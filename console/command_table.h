#pragma once
// The console's commands, one row each: the name a script writes, the argument it takes
// and what it does. The script reader parses a line by its row, the session runs it by the
// same row. The program's events are the commands of the same names (ui/events.h); the
// console adds its own for the clock, the draws, the answers to boxes and what it prints.
#include <ostream>
#include <string_view>

#include "console/printed_services.h"
#include "console/script_command.h"
#include "platform/scripted.h"
#include "ui/program.h"

namespace quarvel::console {

// What a command acts on: the program and the scripted services around it.
struct CommandContext {
  Program& program;
  ScriptedClock& clock;
  QueuedDrawSource& draws;
  PrintedBoxes& boxes;
  std::ostream& out;
};

struct CommandRow {
  std::string_view name;
  ArgumentKind argument;
  // Runs the command; false when the program did not receive it (printed as "ignored").
  bool (*action)(CommandContext& context, const ScriptCommand& command);
};

// The row of the command called `name`, or nullptr.
const CommandRow* FindCommand(std::string_view name);

}  // namespace quarvel::console
