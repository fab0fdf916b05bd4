#include "solver/row_end_rotation.h"

#include "core/board.h"

namespace quarvel {

void RowEndStep(SolverGame& state, int tile) {
  SolverState& solver = state.solver;
  solver.SolverStep = static_cast<std::int16_t>(solver.SolverStep + 1);
  const int step = solver.SolverStep;
  const int row = tile / 4 + 1;  // the row the tile stands in
  const int homeRow = row - 1;
  const Position& position = state.board.position;

  int moved = 0;
  switch (step) {
    case 1: moved = position.TileAt(row, 2); break;
    case 2: moved = position.TileAt(row, 1); break;
    case 3: moved = position.TileAt(homeRow, 1); break;
    case 4: moved = position.TileAt(homeRow, 2); break;
    case 5: moved = position.TileAt(homeRow, 3); break;
    case 6: moved = position.TileAt(homeRow, 4); break;
    case 7: moved = tile; break;
    case 8: moved = position.TileAt(row, 3); break;
    case 9: moved = position.TileAt(homeRow, 3); break;
    case 10: moved = position.TileAt(homeRow, 2); break;
    case 11: moved = position.TileAt(homeRow, 1); break;
    case 12:
      solver.RowEndRotation = false;
      solver.SolverLastMove = BlankMove::None;
      moved = position.TileAt(row, 1);
      break;
    default: return;  // not reached: the flag falls at step 12
  }
  MoveTile(state.board, moved);
}

}  // namespace quarvel
