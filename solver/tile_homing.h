#pragma once
// The solver's ordinary move: brings the target tile one cell nearer home, first
// sideways to its home column, then up, walking the blank around it beforehand.
#include <cstdint>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Directions of a blank move, as `SolverLastMove` records them.
inline constexpr std::int16_t kNoMove = 0;
inline constexpr std::int16_t kBlankLeft = 1;
inline constexpr std::int16_t kBlankRight = 2;
inline constexpr std::int16_t kBlankUp = 3;
inline constexpr std::int16_t kBlankDown = 4;

// One press for target tile 1..15 (all lower tiles home): moves the target when the blank
// stands in the cell it is to enter, else makes one blank move of the approach; when the
// approach finds no permitted move, hands the press to the ring procedure.
void HomeTileStep(GameState& state, Services& services, int target);

// Makes one blank move from (blankRow, blankColumn) toward (targetRow, targetColumn),
// never moving a tile numbered `bound` or lower nor reversing the last move (one
// exception: stepping right out of column 1 from below the target). Returns whether the
// blank moved.
bool StepBlankToward(GameState& state, int blankRow, int blankColumn, int targetRow, int targetColumn,
                     int bound);

}  // namespace quarvel
