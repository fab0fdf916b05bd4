#pragma once
#include <cstdint>
#include <string_view>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Starts game `number` from its first arrangement (Replay Last Game, Reload Saved Game);
// `played` is the number as the player gave it, kept for the Hall of Fame.
void StartNumberedGame(GameState& state, Services& services, std::uint64_t number, std::string_view played);

}  // namespace quarvel
