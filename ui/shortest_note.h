#pragma once
// What the game number box says of the shortest solution, as tooltip and accessible
// description.
#include <string>

#include "core/game_state.h"

namespace quarvel {

// Empty until the length of a shortest solution of the game's start position is known;
// then the length, and after a win by the player also the moves the player made.
std::string ShortestSolutionNote(const GameState& state);

}  // namespace quarvel
