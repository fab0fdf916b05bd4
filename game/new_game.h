#pragma once
#include <string>

#include "core/game_state.h"
#include "core/platform.h"
#include "game/start_position.h"

namespace quarvel {

// The forward Fisher-Yates shuffle of the goal's cells with 15 draws.
Position ShuffleStartPosition(DrawSource& random);

// New Game: deals a random solvable game and starts it; returns its game number.
std::string DealGame(GameState& state, Services& services);

}  // namespace quarvel
