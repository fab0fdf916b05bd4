#include "ui/shortest_note.h"

#include "ui/texts.h"

namespace quarvel {

std::string ShortestSolutionNote(const GameState& state, std::optional<int> shortestLength) {
  if (!shortestLength || state.GamesBegun == 0) return {};
  if (state.WonByPlayer)
    return CountedText(TextId::SolvedAgainstShortest, state.MovesMade,
                       {{"shortest", CountedText(TextId::ShortestMoves, *shortestLength)}});
  return CountedText(TextId::ShortestSolution, *shortestLength);
}

}  // namespace quarvel
