#pragma once
// "Show Me!": the program makes the next move by fixed rules, one move per press. The
// driver chooses the target tile and hands the press to the homing step, the row-end
// rotation or the ring procedure.
#include "core/board.h"
#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Home cell of tile 1..15, computed from its number.
CellPos HomeCellOf(int tile);

// Whether tile 1..15 stands in its home cell.
bool IsHome(const BoardTable& table, int tile);

// The first of tiles 1..15 not in its home cell; 0 when all are home.
int FirstMisplacedTile(const BoardTable& table);

// Click of "Show Me!".
void ShowMe(GameState& state, Services& services);

// Ends the game when a solver move has left the board solved; otherwise does nothing.
void CheckSolverFinish(GameState& state, Services& services);

}  // namespace quarvel
