#include "solver/tile_homing.h"

#include <array>

#include "core/board.h"
#include "solver/home_cells.h"

namespace quarvel {
namespace {

struct Candidate {
  BlankMove direction = BlankMove::None;  // BlankMove::None: no candidate in this slot
  bool reverseAllowed = false;
};

BlankMove Reverse(BlankMove direction) {
  switch (direction) {
    case BlankMove::Left: return BlankMove::Right;
    case BlankMove::Right: return BlankMove::Left;
    case BlankMove::Up: return BlankMove::Down;
    case BlankMove::Down: return BlankMove::Up;
    default: return BlankMove::None;
  }
}

// The candidate moves, in order, for the blank's position relative to the target cell.
std::array<Candidate, 3> CandidatesFor(int br, int bc, int xr, int xc) {
  const Candidate none{};
  if (bc != xc) {
    const Candidate sideways{bc < xc ? BlankMove::Right : BlankMove::Left, false};
    return {sideways, br > 1 ? Candidate{BlankMove::Up, false} : none,
            br < 4 ? Candidate{BlankMove::Down, false} : none};
  }
  if (br > xr)
    return {Candidate{BlankMove::Up, false}, bc < 4 ? Candidate{BlankMove::Right, bc == 1} : none,
            bc > 1 ? Candidate{BlankMove::Left, false} : none};
  if (br < xr)
    return {Candidate{BlankMove::Down, false}, bc < 4 ? Candidate{BlankMove::Right, false} : none,
            bc > 1 ? Candidate{BlankMove::Left, false} : none};
  return {none, none, none};  // at the target
}

CellPos Neighbour(int row, int column, BlankMove direction) {
  switch (direction) {
    case BlankMove::Left: --column; break;
    case BlankMove::Right: ++column; break;
    case BlankMove::Up: --row; break;
    case BlankMove::Down: ++row; break;
    default: break;
  }
  return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

}  // namespace

bool StepBlankToward(SolverGame& state, int blankRow, int blankColumn, int targetRow, int targetColumn, int bound) {
  BlankMove& lastMove = state.solver.SolverLastMove;
  for (const Candidate& candidate : CandidatesFor(blankRow, blankColumn, targetRow, targetColumn)) {
    if (candidate.direction == BlankMove::None) continue;
    if (!candidate.reverseAllowed && candidate.direction == Reverse(lastMove)) continue;
    const CellPos cell = Neighbour(blankRow, blankColumn, candidate.direction);
    const int tile = state.board.position.TileAt(cell.Row, cell.Column);
    if (tile <= bound) continue;
    MoveTile(state.board, tile);
    lastMove = candidate.direction;
    return true;
  }
  return false;
}

std::optional<std::int16_t> HomeTileStep(SolverGame& state, int target) {
  const Position& position = state.board.position;
  const CellPos home = HomeCellOf(target);
  const CellPos t = position.PlaceOf(target);
  const CellPos blank = position.PlaceOf(kBlank);

  // The cell the target is to enter next, and the ring phase to fall back on.
  CellPos next = t;
  std::int16_t stallValue = 0;
  if (t.Row == home.Row) {
    next.Column = static_cast<std::int16_t>(t.Column - 1);
    stallValue = target >= 13 ? 3 : 0;
  } else if (t.Column == home.Column) {
    next.Row = static_cast<std::int16_t>(t.Row - 1);
    stallValue = blank.Row == t.Row && blank.Column == t.Column - 1 ? 1 : 0;
  } else if (t.Column < home.Column) {
    next.Column = static_cast<std::int16_t>(t.Column + 1);
  } else {
    next.Column = static_cast<std::int16_t>(t.Column - 1);
  }

  if (blank == next) {
    MoveTile(state.board, target);
    state.solver.SolverLastMove = BlankMove::None;
    return std::nullopt;
  }
  if (StepBlankToward(state, blank.Row, blank.Column, next.Row, next.Column, target)) return std::nullopt;
  return stallValue;
}

}  // namespace quarvel
