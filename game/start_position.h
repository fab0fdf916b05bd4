#pragma once
// The arrangement a game starts from, and the steps that turn it into a game.
#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Cells 1..16 in reading order at indexes 0..15; value v in 1..15 is tile v, 16 the blank.
using StartPosition = std::array<std::int16_t, kCellCount>;

inline constexpr std::int16_t kBlankValue = kCellCount;

StartPosition SolvedStartPosition();

// Exchanges one pair of cells when the arrangement cannot be solved.
void MakeSolvable(StartPosition& position);

// Places all 16 tile buttons on their cells and fills the board table.
void LayOutBoard(Board& board, const StartPosition& position);

// Starts the game laid out on the board: the flag, the pointer and the start time.
void BeginGame(GameState& state, Services& services);

}  // namespace quarvel
