#include "game/new_game.h"

#include <cmath>

#include "game/game_number.h"

namespace quarvel {

Position ShuffleStartPosition(DrawSource& random) {
  Position position;
  for (int i = 1; i <= 15; ++i) {
    const double r = random.ShuffledRandom(1);
    int j = static_cast<int>(std::floor((17 - i) * r)) + i;
    if (j > 16) j = 16;  // guards against a draw of 1.0
    if (j < i) j = i;
    position.Exchange(i - 1, j - 1);
  }
  return position;
}

std::string DealGame(GameState& state, Services& services) {
  const HourglassWhile busy(services.windows);
  Position position = ShuffleStartPosition(services.random);
  MakeSolvable(position);
  LayOutBoard(state.board, position);
  state.playedGameNumber = EncodeGameNumber(position);
  BeginGame(state, services);
  return state.playedGameNumber;
}

}  // namespace quarvel
