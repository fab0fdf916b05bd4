#pragma once
// The state the handlers of all three windows share, and the main window's controls
// that they write.
#include <cstdint>
#include <string>

#include "core/board.h"
#include "core/date_time.h"
#include "core/tile_placement.h"

namespace quarvel {

// Enabled state of the main window's command buttons, as created.
struct Commands {
  bool NewGame = true;
  bool GiveUp = false;
  bool HallOfFame = true;
  bool ShowMe = false;
  bool Reload = true;
  bool Save = false;
  bool Replay = false;
  friend bool operator==(const Commands&, const Commands&) = default;

  // A game has ended or was given up: "Save Game #" and "Hall of Fame" keep their state.
  void SetBetweenGames() {
    NewGame = true;
    GiveUp = false;
    ShowMe = false;
    Reload = true;
    Replay = true;
  }
};

// The manoeuvre "Show Me!" carries from one press to the next.
struct SolverState {
  bool RowEndRotation = false;
  bool RingMode = false;
  std::int16_t SolverStep = 0;
  std::int16_t SolverTile = 0;
  std::int16_t SolverLastMove = 0;  // 1 left, 2 right, 3 up, 4 down, 0 none

  // Back to scanning: a player's click, Give Up or the end of a game.
  void CancelManoeuvre() {
    RowEndRotation = false;
    RingMode = false;
    SolverLastMove = 0;
  }
};

inline constexpr double kNoFameTime = 9999;

struct GameState {
  Board board;
  BoardTable home = SolvedLayout();  // from quarvel.dat

  bool GameInProgress = false;
  bool SolverUsed = false;
  DateTime StartTime = 0;            // wall clock, for dates
  DateTime EndTime = 0;
  std::int64_t StartMonotonicMs = 0;  // durations are measured on the monotonic clock
  std::int16_t FameCount = 0;
  double SlowestFameTime = kNoFameTime;
  SolverState solver;

  // Main window controls.
  std::string Text1;  // game number box
  std::string Text3;  // time box
  Commands commands;
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
