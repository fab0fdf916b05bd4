#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Whole seconds since the current game began, on the monotonic clock; never negative.
std::int64_t ElapsedSeconds(const GameState& state, Clock& clock);

// One tick of the main window's 1000 ms timer: refreshes the time box while a game is
// played without help.
void ClockTick(GameState& state, Clock& clock);

}  // namespace quarvel
