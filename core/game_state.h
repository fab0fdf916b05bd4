#pragma once
// The game's state: the board, the home layout, the game flags, the solver's manoeuvre and
// the clock. The handlers add the Hall of Fame summary (ui/program_state.h).
#include <cstdint>
#include <string>

#include "core/board.h"
#include "core/date_time.h"
#include "core/tile_placement.h"

namespace quarvel {

// The direction of the solver's last blank move. The numbers are those the record of a
// game's state has always shown (the console's dump prints them).
enum class BlankMove : std::int16_t { None = 0, Left = 1, Right = 2, Up = 3, Down = 4 };

// The manoeuvre "Show Me!" carries from one press to the next.
struct SolverState {
  bool RowEndRotation = false;
  bool RingMode = false;
  std::int16_t SolverStep = 0;
  std::int16_t SolverTile = 0;
  BlankMove SolverLastMove = BlankMove::None;

  // Back to scanning: a player's click, Give Up or the end of a game.
  void CancelManoeuvre() {
    RowEndRotation = false;
    RingMode = false;
    SolverLastMove = BlankMove::None;
  }
};

struct GameState {
  Board board;
  BoardTable home = SolvedLayout();  // from quarvel.dat

  bool GameInProgress = false;
  bool SolverUsed = false;
  std::int64_t StartMonotonicMs = 0;  // durations are measured on the monotonic clock
  SolverState solver;
  // The game number box, trimmed, as it stood when the current game began.
  std::string PlayedGameNumber;

  // The current or last game: how many games have begun (it names the game), the board it
  // began from, the tiles the player moved in it, and whether the player won it unhelped.
  std::uint64_t GamesBegun = 0;
  BoardTable StartTable = SolvedLayout();
  std::int32_t MovesMade = 0;
  bool WonByPlayer = false;
};

}  // namespace quarvel
