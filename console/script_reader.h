#pragma once
// Reads one line of a console script into a command and its arguments.
#include <string>
#include <string_view>
#include <variant>

#include "console/script_command.h"

namespace quarvel::console {

struct Skip {};  // an empty line or a comment

struct ParseError {
  std::string why;
};

using ParsedLine = std::variant<Skip, ScriptCommand, ParseError>;

ParsedLine ParseScriptLine(std::string_view line);

}  // namespace quarvel::console
