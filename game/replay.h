#pragma once
#include <string>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Starts the game numbered by `text` from its first arrangement, `text` standing in the
// game number box (Text1). A text that is not a game number (blanks around it allowed) is
// refused with an "Error!" box and changes nothing. Returns whether the game began.
bool StartNumberedGame(GameState& state, Services& services, std::string text);

// Click of "Replay Last Game": restarts the game whose number the game number box shows.
void ReplayLastGame(GameState& state, Services& services);

}  // namespace quarvel
