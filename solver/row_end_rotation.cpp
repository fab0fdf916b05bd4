#include "solver/row_end_rotation.h"

#include "core/tile_placement.h"

namespace quarvel {

void RowEndStep(SolverGame& state, int tile) {
  SolverState& solver = state.solver;
  solver.SolverStep = static_cast<std::int16_t>(solver.SolverStep + 1);
  const int step = solver.SolverStep;
  const int row = tile / 4 + 1;  // the row the tile stands in
  const int homeRow = row - 1;
  const BoardTable& table = state.board.table;

  int moved = 0;
  switch (step) {
    case 1: moved = TileAt(table, row, 2); break;
    case 2: moved = TileAt(table, row, 1); break;
    case 3: moved = TileAt(table, homeRow, 1); break;
    case 4: moved = TileAt(table, homeRow, 2); break;
    case 5: moved = TileAt(table, homeRow, 3); break;
    case 6: moved = TileAt(table, homeRow, 4); break;
    case 7: moved = tile; break;
    case 8: moved = TileAt(table, row, 3); break;
    case 9: moved = TileAt(table, homeRow, 3); break;
    case 10: moved = TileAt(table, homeRow, 2); break;
    case 11: moved = TileAt(table, homeRow, 1); break;
    case 12:
      solver.RowEndRotation = false;
      solver.SolverLastMove = BlankMove::None;
      moved = TileAt(table, row, 1);
      break;
    default: return;  // not reached: the flag falls at step 12
  }
  MoveTile(state.board, moved);
}

}  // namespace quarvel
