#include "solver/ring_procedure.h"

#include <limits>

#include "core/tile_placement.h"
#include "solver/home_cells.h"

namespace quarvel {
namespace {

bool At(const BoardTable& table, int tile, int row, int column) {
  const CellPos cell = table[static_cast<std::size_t>(tile)];
  return cell.Row == row && cell.Column == column;
}

// The first of tiles 10..13 out of its home cell; 0 when all four are home.
int FirstOfTenToThirteenAway(const BoardTable& table) {
  for (int tile = 10; tile <= 13; ++tile)
    if (!IsHome(table, tile)) return tile;
  return 0;
}

}  // namespace

int ClockwiseRingTile(const BoardTable& table) {
  const CellPos blank = table[kBlank];
  if (blank.Row == 3) return blank.Column < 4 ? TileAt(table, 3, blank.Column + 1) : TileAt(table, 4, 4);
  return blank.Column > 1 ? TileAt(table, 4, blank.Column - 1) : TileAt(table, 3, 1);
}

int CounterClockwiseRingTile(const BoardTable& table) {
  const CellPos blank = table[kBlank];
  if (blank.Row == 3) return blank.Column > 1 ? TileAt(table, 3, blank.Column - 1) : TileAt(table, 4, 1);
  return blank.Column < 4 ? TileAt(table, 4, blank.Column + 1) : TileAt(table, 3, 4);
}

void RingStep(GameState& state, int a) {
  SolverState& solver = state.solver;
  const BoardTable& table = state.board.table;

  // Phases past 5 only count up; the 16-bit counter stops at its largest value there
  // rather than wrap round into phase 1.
  int phase = solver.SolverStep;
  if (phase < std::numeric_limits<std::int16_t>::max()) ++phase;
  solver.SolverTile = static_cast<std::int16_t>(a);
  solver.SolverStep = static_cast<std::int16_t>(phase);

  const CellPos aCell = table[static_cast<std::size_t>(a)];
  const CellPos blank = table[kBlank];
  const auto repeat = [&] { solver.SolverStep = static_cast<std::int16_t>(phase - 1); };

  int moved = 0;
  if (phase == 1) {
    if (blank.Row == 3) {
      repeat();
      moved = TileAt(table, 4, blank.Column);  // the blank goes down
    } else if (blank.Column > aCell.Column + 1) {
      repeat();
      moved = TileAt(table, 4, blank.Column - 1);  // the blank goes left
    } else {
      phase = 2;  // phase 2 at once, on the cells read above
      solver.SolverStep = 2;
    }
  }
  if (phase == 2) {
    if (blank.Row == 3 && aCell.Row == 4 && blank.Column == aCell.Column) {
      moved = a;  // lifted into row 3
      solver.SolverTile = 9;
    } else {
      repeat();
      moved = ClockwiseRingTile(table);
    }
  } else if (phase == 3) {
    const int firstAway = FirstOfTenToThirteenAway(table);
    if (!IsHome(table, a)) {
      repeat();
      moved = CounterClockwiseRingTile(table);
    } else if (firstAway == 13 && TileAt(table, 4, 2) == 13) {
      solver.RingMode = false;
      moved = 13;
    } else if (firstAway == 13) {
      moved = 9;  // back down into the blank below it
    } else {
      solver.RingMode = false;
      moved = TileAt(table, 4, 2);
    }
  } else if (phase == 4) {
    if (!At(table, 12, 3, 2)) {
      repeat();
      moved = ClockwiseRingTile(table);
    } else if (At(table, 13, 4, 4)) {
      moved = TileAt(table, 4, 3);
    } else if (blank.Row == 3 && blank.Column == 3) {
      repeat();
      moved = TileAt(table, 3, 4);
    } else if (blank.Row == 3 && blank.Column == 4) {
      repeat();
      moved = TileAt(table, 4, 4);
    } else if (blank.Row == 4 && blank.Column == 4) {
      repeat();
      moved = TileAt(table, 4, 3);
    } else {
      moved = TileAt(table, 3, 3);
    }
  } else if (phase == 5) {
    if (!(At(table, 9, 3, 1) && blank.Row == 4 && blank.Column == 4)) {
      repeat();
      moved = CounterClockwiseRingTile(table);
    }
  }
  // Phase 6 and on: no move.

  if (moved != 0) MoveTile(state.board, moved);
}

}  // namespace quarvel
