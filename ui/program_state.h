#pragma once
// The state the handlers of all three windows share: the game's own (core/) and the Hall
// of Fame's summary (records/), composed here above both layers.
#include "core/game_state.h"
#include "records/hall_of_fame.h"

namespace quarvel {

struct ProgramState : GameState, FameSummary {};

}  // namespace quarvel
