#pragma once
// One line of quarvel-solve's input: a game number, or the 16 cells row by row.
#include <string>
#include <string_view>
#include <variant>

#include "core/position.h"

namespace quarvel::solve {

// The position a line names, or why it names none. A game number is decoded as "Replay
// Last Game" decodes it; 16 numbers (0 the empty cell) are separated by blanks or commas.
std::variant<Position, std::string> ReadPosition(std::string_view line);

}  // namespace quarvel::solve
