#include "ui/shortest_note.h"

#include "ui/texts.h"

namespace quarvel {

std::string ShortestSolutionNote(const GameState& state) {
  if (!state.shortestLength || state.gamesBegun == 0) return {};
  const int length = *state.shortestLength;
  if (state.wonByPlayer)
    return CountedText(TextId::SolvedAgainstShortest, state.movesMade,
                       {{"shortest", CountedText(TextId::ShortestMoves, length)}});
  return CountedText(TextId::ShortestSolution, length);
}

}  // namespace quarvel
