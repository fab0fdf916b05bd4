#pragma once
#include "core/game_state.h"
#include "core/platform.h"
#include "ui/program_state.h"
#include "ui/window_state.h"

namespace quarvel {

// Click of a tile's button: slides it into the empty cell when it may move, then runs
// the solved test. Ignored between games.
void SlideClickedTile(ProgramState& state, MainWindowState& window, Services& services, int tile);

}  // namespace quarvel
