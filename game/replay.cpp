#include "game/replay.h"

#include <utility>

#include "game/game_number.h"
#include "game/start_position.h"

namespace quarvel {

bool StartNumberedGame(GameState& state, Services& services, std::string text) {
  const std::string_view trimmed = TrimBlanks(text);
  const auto number = ParseGameNumber(trimmed);
  if (!number) {
    services.dialogs.ShowMessage("Error!", InvalidGameNumberMessage(trimmed));
    return false;
  }
  state.PlayedGameNumber = std::string(trimmed);
  state.Text1 = std::move(text);
  LayOutBoard(state.board, DecodeGameNumber(*number));
  BeginGame(state, services, /*saveEnabled=*/false);
  return true;
}

void ReplayLastGame(GameState& state, Services& services) { StartNumberedGame(state, services, state.Text1); }

}  // namespace quarvel
