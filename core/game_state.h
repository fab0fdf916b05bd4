#pragma once
// The game's state: the board, the home layout, the game flags and the clock. The solver
// adds its manoeuvre (solver/solver_state.h), the handlers the Hall of Fame summary
// (ui/program_state.h).
#include <cstdint>
#include <optional>
#include <string>

#include "core/board.h"
#include "core/date_time.h"

namespace quarvel {

struct GameState {
  Board board;
  Position home;  // from quarvel.dat

  bool GameInProgress = false;
  bool SolverUsed = false;
  std::int64_t startMonotonicMs = 0;  // durations are measured on the monotonic clock
  // The wall clock when the game began, from which a game kept across a restart of its front
  // end has its monotonic start made again.
  DateTime StartTime = 0;
  // The game number box, trimmed, as it stood when the current game began.
  std::string playedGameNumber;

  // The current or last game: how many games have begun (it names the game), the position
  // it began from, the tiles the player moved in it, whether the player won it unhelped,
  // and the length of its shortest solution once it is known.
  std::uint64_t gamesBegun = 0;
  Position startPosition;
  std::int32_t movesMade = 0;
  bool wonByPlayer = false;
  std::optional<int> shortestLength;
};

}  // namespace quarvel
