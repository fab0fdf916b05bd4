#pragma once
// What "Show Me!" carries from one press to the next, and the game as the solver sees it.
#include <cstdint>

#include "core/game_state.h"

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

// The game's state with the solver's manoeuvre.
struct SolverGame : GameState {
  SolverState solver;
};

}  // namespace quarvel
