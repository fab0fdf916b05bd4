#include "solver/solver_driver.h"

#include "core/board.h"
#include "solver/home_cells.h"
#include "solver/ring_procedure.h"
#include "solver/row_end_rotation.h"
#include "solver/tile_homing.h"

namespace quarvel {
namespace {

// Tile 4, 8 or 12 in column 4 directly below its home cell, the blank directly to its left.
bool RowEndTestHolds(const Position& position, int target) {
  const CellPos t = position.PlaceOf(target);
  const CellPos blank = position.PlaceOf(kBlank);
  const bool belowHome = (target == 4 && t.Row == 2) || (target == 8 && t.Row == 3) || (target == 12 && t.Row == 4);
  return belowHome && t.Column == 4 && blank.Row == t.Row && blank.Column == 3;
}

// A last-row target with the blank at row 4 column 1 and a higher tile beside it.
bool LastRowTestHolds(const Position& position, int target) {
  const CellPos blank = position.PlaceOf(kBlank);
  return target >= 13 && blank.Row == 4 && blank.Column == 1 && position.TileAt(4, 2) > target;
}

}  // namespace

bool MakeSolverMove(SolverGame& state) {
  SolverState& solver = state.solver;
  const Position& position = state.board.position;

  int target = 0;
  if (!solver.RowEndRotation && !solver.RingMode) {
    target = FirstMisplacedTile(position);
    if (target == 0) return false;  // nothing to solve: the press changes nothing more
    if (RowEndTestHolds(position, target)) {
      solver.SolverStep = 0;
      solver.RowEndRotation = true;
      solver.SolverTile = static_cast<std::int16_t>(target);
    }
  }

  if (solver.RowEndRotation || solver.RingMode) {
    if (solver.RowEndRotation) RowEndStep(state, solver.SolverTile);
    if (!solver.RingMode) return false;
    RingStep(state, solver.SolverTile);
    return true;
  }

  if (LastRowTestHolds(position, target)) {
    solver.SolverStep = 3;
    solver.RingMode = true;
    RingStep(state, target);
  } else if (const auto stalledAt = HomeTileStep(state, target)) {
    // The approach found no permitted move: the ring procedure takes the press.
    solver.RingMode = true;
    solver.SolverStep = *stalledAt;
    RingStep(state, target);
  }
  return true;
}

}  // namespace quarvel
