#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Whole seconds since the current game began, on the monotonic clock; never negative.
std::int64_t ElapsedSeconds(const GameState& state, Clock& clock);

// The time box's text at a tick of the main window's 1000 ms timer; nothing unless a game
// is played without help.
std::optional<std::string> ClockTick(const GameState& state, Clock& clock);

}  // namespace quarvel
