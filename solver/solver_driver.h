#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press.
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Click of "Show Me!".
void ShowMe(GameState& state, Services& services);

}  // namespace quarvel
