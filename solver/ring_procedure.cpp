#include "solver/ring_procedure.h"

#include <limits>
#include <optional>

#include "core/board.h"
#include "solver/home_cells.h"

namespace quarvel {
namespace {

bool At(const Position& position, int tile, int row, int column) {
  const CellPos cell = position.PlaceOf(tile);
  return cell.Row == row && cell.Column == column;
}

// The first of tiles 10..13 out of its home cell; 0 when all four are home.
int FirstOfTenToThirteenAway(const Position& position) {
  for (int tile = 10; tile <= 13; ++tile)
    if (!IsHome(position, tile)) return tile;
  return 0;
}

}  // namespace

int ClockwiseRingTile(const Position& position) {
  const CellPos blank = position.PlaceOf(kBlank);
  if (blank.Row == 3) return blank.Column < 4 ? position.TileAt(3, blank.Column + 1) : position.TileAt(4, 4);
  return blank.Column > 1 ? position.TileAt(4, blank.Column - 1) : position.TileAt(3, 1);
}

int CounterClockwiseRingTile(const Position& position) {
  const CellPos blank = position.PlaceOf(kBlank);
  if (blank.Row == 3) return blank.Column > 1 ? position.TileAt(3, blank.Column - 1) : position.TileAt(4, 1);
  return blank.Column < 4 ? position.TileAt(4, blank.Column + 1) : position.TileAt(3, 4);
}

namespace {

// What one phase makes of a press: the tile it moves (0: none), and whether the same phase
// runs again at the next press rather than the one after it.
struct PhaseStep {
  int tile = 0;
  bool again = false;
};

// Phase 1: the blank goes down into row 4, then left until it is at most one column right
// of tile `a`; nothing once it is there, and phase 2 takes the press at once.
std::optional<PhaseStep> BringBlankBesideTile(const Position& position, int a) {
  const CellPos aCell = position.PlaceOf(a);
  const CellPos blank = position.PlaceOf(kBlank);
  if (blank.Row == 3) return PhaseStep{position.TileAt(4, blank.Column), true};  // the blank goes down
  if (blank.Column > aCell.Column + 1) return PhaseStep{position.TileAt(4, blank.Column - 1), true};  // left
  return std::nullopt;
}

// Phase 2: clockwise turns until the blank stands above tile `a` in row 4; then `a` is
// lifted into row 3 and tile 9 becomes the procedure's tile.
PhaseStep LiftTileIntoRowThree(const Position& position, SolverState& solver, int a) {
  const CellPos aCell = position.PlaceOf(a);
  const CellPos blank = position.PlaceOf(kBlank);
  if (blank.Row == 3 && aCell.Row == 4 && blank.Column == aCell.Column) {
    solver.SolverTile = 9;
    return {a, false};
  }
  return {ClockwiseRingTile(position), true};
}

// Phase 3: counter-clockwise turns until tile `a` is home; then the ring is left, or
// tile 9 goes back down first when 13 is the first of 10 to 13 away from home.
PhaseStep SeatTileAndLeaveRing(const Position& position, SolverState& solver, int a) {
  const int firstAway = FirstOfTenToThirteenAway(position);
  if (!IsHome(position, a)) return {CounterClockwiseRingTile(position), true};
  if (firstAway == 13 && position.TileAt(4, 2) == 13) {
    solver.RingMode = false;
    return {13, false};
  }
  if (firstAway == 13) return {9, false};  // back down into the blank below it
  solver.RingMode = false;
  return {position.TileAt(4, 2), false};
}

// Phase 4: clockwise turns until tile 12 stands at row 3 column 2, then the three tiles of
// the bottom right 2 x 2 block are reordered.
PhaseStep ReorderBottomRight(const Position& position) {
  const CellPos blank = position.PlaceOf(kBlank);
  if (!At(position, 12, 3, 2)) return {ClockwiseRingTile(position), true};
  if (At(position, 13, 4, 4)) return {position.TileAt(4, 3), false};
  if (blank.Row == 3 && blank.Column == 3) return {position.TileAt(3, 4), true};
  if (blank.Row == 3 && blank.Column == 4) return {position.TileAt(4, 4), true};
  if (blank.Row == 4 && blank.Column == 4) return {position.TileAt(4, 3), true};
  return {position.TileAt(3, 3), false};
}

// Phase 5: counter-clockwise turns until tile 9 is home and the blank at row 4 column 4.
PhaseStep TurnUntilSolved(const Position& position) {
  const CellPos blank = position.PlaceOf(kBlank);
  if (At(position, 9, 3, 1) && blank.Row == 4 && blank.Column == 4) return {};
  return {CounterClockwiseRingTile(position), true};
}

}  // namespace

void RingStep(SolverGame& state, int a) {
  SolverState& solver = state.solver;
  const Position& position = state.board.position;

  // Phases past 5 only count up; the 16-bit counter stops at its largest value there
  // rather than wrap round into phase 1.
  int phase = solver.SolverStep;
  if (phase < std::numeric_limits<std::int16_t>::max()) ++phase;
  solver.SolverTile = static_cast<std::int16_t>(a);

  PhaseStep step;  // phase 6 and on: no move
  switch (phase) {
    case 1:
      if (const auto beside = BringBlankBesideTile(position, a)) {
        step = *beside;
        break;
      }
      phase = 2;  // phase 2 at once, on the cells read above
      [[fallthrough]];
    case 2: step = LiftTileIntoRowThree(position, solver, a); break;
    case 3: step = SeatTileAndLeaveRing(position, solver, a); break;
    case 4: step = ReorderBottomRight(position); break;
    case 5: step = TurnUntilSolved(position); break;
    default: break;
  }
  solver.SolverStep = static_cast<std::int16_t>(step.again ? phase - 1 : phase);
  if (step.tile != 0) MoveTile(state.board, step.tile);
}

}  // namespace quarvel
