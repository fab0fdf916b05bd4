#pragma once
// The position a game starts from, and the steps that turn it into a game.
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Exchanges one pair of cells when the position cannot be solved: cells 13 and 14 when the
// empty cell is in 15 or 16, else cells 15 and 16 (cells counted 1..16).
void MakeSolvable(Position& position);

// Puts every tile's button on its cell of the position.
void LayOutBoard(Board& board, const Position& position);

// Starts the game laid out on the board: the flag, the pointer and the start time.
void BeginGame(GameState& state, Services& services);

}  // namespace quarvel
