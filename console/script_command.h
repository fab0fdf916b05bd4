#pragma once
// A console command as a script line gives it, and the quoting of its STRINGs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"

namespace quarvel::console {

enum class ArgumentKind {
  None,          // no argument
  String,        // one STRING in double quotes
  Tile,          // a tile number from 0 to 15
  Seconds,       // whole seconds from 0 to 1000000000
  Moment,        // YYYY-MM-DD HH:MM:SS
  RandomValues,  // one or more decimal reals in [0, 1)
};

struct ScriptCommand {
  std::string name;
  std::vector<std::string> strings;  // STRING arguments, unescaped
  std::int64_t number = 0;           // tile or wait
  DateTime moment = 0;               // now
  std::vector<double> values;        // random
  std::string text;                  // the command as parsed, for "ignored" lines
};

// A STRING as the console writes it: in double quotes with \" and \\ escaped.
std::string Quote(std::string_view text);

}  // namespace quarvel::console
