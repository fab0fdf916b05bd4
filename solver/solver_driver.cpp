#include "solver/solver_driver.h"

#include "core/tile_placement.h"
#include "solver/home_cells.h"
#include "solver/ring_procedure.h"
#include "solver/row_end_rotation.h"
#include "solver/tile_homing.h"

namespace quarvel {
namespace {

// Tile 4, 8 or 12 in column 4 directly below its home cell, the blank directly to its left.
bool RowEndTestHolds(const BoardTable& table, int target) {
  const CellPos t = table[static_cast<std::size_t>(target)];
  const CellPos blank = table[kBlank];
  const bool belowHome = (target == 4 && t.Row == 2) || (target == 8 && t.Row == 3) || (target == 12 && t.Row == 4);
  return belowHome && t.Column == 4 && blank.Row == t.Row && blank.Column == 3;
}

// A last-row target with the blank at row 4 column 1 and a higher tile beside it.
bool LastRowTestHolds(const BoardTable& table, int target) {
  const CellPos blank = table[kBlank];
  return target >= 13 && blank.Row == 4 && blank.Column == 1 && TileAt(table, 4, 2) > target;
}

}  // namespace

bool MakeSolverMove(SolverGame& state) {
  SolverState& solver = state.solver;
  const BoardTable& table = state.board.table;

  int target = 0;
  if (!solver.RowEndRotation && !solver.RingMode) {
    target = FirstMisplacedTile(table);
    if (target == 0) return false;  // nothing to solve: the press changes nothing more
    if (RowEndTestHolds(table, target)) {
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

  if (LastRowTestHolds(table, target)) {
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
