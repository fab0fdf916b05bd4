#include "ui/shortest_note.h"

namespace quarvel {
namespace {

std::string Moves(std::int64_t n) { return std::to_string(n) + (n == 1 ? " move" : " moves"); }

}  // namespace

std::string ShortestSolutionNote(const GameState& state, std::optional<int> shortestLength) {
  if (!shortestLength || state.GamesBegun == 0) return {};
  if (state.WonByPlayer)
    return "You solved it in " + Moves(state.MovesMade) + "; the shortest solution takes " +
           std::to_string(*shortestLength) + ".";
  return "The shortest solution of this game takes " + Moves(*shortestLength) + ".";
}

}  // namespace quarvel
