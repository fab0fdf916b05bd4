#pragma once
#include "core/game_state.h"

namespace quarvel {

// Give Up: abandons the game and puts the tiles back in order.
void GiveUp(GameState& state);

}  // namespace quarvel
