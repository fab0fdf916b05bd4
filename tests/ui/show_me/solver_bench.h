#pragma once
// A game in progress on a board given as rows, with "Show Me!" pressed directly.
#include <string>

#include "core/board.h"
#include "core/game_state.h"
#include "solver/home_cells.h"
#include "solver/solver_driver.h"
#include "support/board_text.h"
#include "support/harness.h"
#include "ui/show_me.h"

namespace quarvel::testing {

// The tile that moved between two positions: 0 when none did, -1 when the change is not
// one tile slid into the empty cell.
inline int MovedTile(const Position& before, const Position& after) {
  if (before == after) return 0;
  for (int tile = 1; tile <= 15; ++tile) {
    Position slid = before;
    if (slid.Slide(tile) && slid == after) return tile;
  }
  return -1;
}

// A game inside the ring procedure, at the given phase (SolverStep + 1), on the tile.
struct InRing {
  int phase;
  int tile;
};

struct SolverBench {
  Harness harness;  // for its scripted services
  ProgramState state;
  MainWindowState window;

  explicit SolverBench(const std::string& rows, BlankMove lastMove = BlankMove::None) {
    game().board = BoardFromRows(rows);
    game().GameInProgress = true;
    window.enabled.SetGameInProgress(/*saveEnabled=*/true);
    window.enabled.hallOfFame = false;
    window.clockText = " 00:00:07";
    game().solver.SolverLastMove = lastMove;
  }

  SolverBench(const std::string& rows, InRing ring) : SolverBench(rows) {
    game().solver.RingMode = true;
    game().solver.SolverStep = static_cast<std::int16_t>(ring.phase - 1);
    game().solver.SolverTile = static_cast<std::int16_t>(ring.tile);
  }

  // Presses "Show Me!" once; returns the tile that moved as MovedTile does.
  int Press() {
    const Position before = game().board.position;
    ShowMe(game(), window, harness.services);
    harness.AnswerBoxes();
    return MovedTile(before, game().board.position);
  }

  SolverGame& game() { return state.game; }
  const SolverGame& game() const { return state.game; }
  std::string Rows() const { return RowsOf(game().board.position); }
  const SolverState& solver() const { return game().solver; }
  const std::vector<std::string>& shown() const { return harness.dialogs.transcript; }
};

inline const char* const kGameOverShown = "message Game Over!|Game completed with help from Show Me! routine.";

}  // namespace quarvel::testing
