#pragma once
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Click of a tile's button: slides it into the empty cell when it may move, then runs
// the solved test. Ignored between games.
void ClickTile(GameState& state, Services& services, int tile);

}  // namespace quarvel
