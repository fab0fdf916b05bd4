#pragma once
// Reads one line of a console script into a command and its arguments.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/date_time.h"

namespace quarvel::console {

struct CommandRow;

struct Command {
  std::string name;
  const CommandRow* row = nullptr;   // its row in the command table
  std::vector<std::string> strings;  // STRING arguments, unescaped
  std::int64_t number = 0;           // tile or wait
  DateTime moment = 0;               // now
  std::vector<double> values;        // random
  std::string text;                  // the command as parsed, for "ignored" lines
};

struct Skip {};  // an empty line or a comment

struct ParseError {
  std::string why;
};

using ParsedLine = std::variant<Skip, Command, ParseError>;

ParsedLine ParseScriptLine(std::string_view line);

// A STRING as the console writes it: in double quotes with \" and \\ escaped.
std::string Quote(std::string_view text);

}  // namespace quarvel::console
