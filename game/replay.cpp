#include "game/replay.h"

#include <string>

#include "game/game_number.h"
#include "game/start_position.h"

namespace quarvel {

void StartNumberedGame(GameState& state, Services& services, std::uint64_t number, std::string_view played) {
  state.playedGameNumber = std::string(played);
  LayOutBoard(state.board, DecodeGameNumber(number));
  BeginGame(state, services);
}

}  // namespace quarvel
