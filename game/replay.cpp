#include "game/replay.h"

#include "game/game_number.h"
#include "game/start_position.h"

namespace quarvel {

void ReplayLastGame(GameState& state, Services& services) {
  const std::string_view trimmed = TrimBlanks(state.Text1);
  const auto number = ParseGameNumber(trimmed);
  if (!number) {
    services.dialogs.ShowMessage("Error!", InvalidGameNumberMessage(trimmed));
    return;
  }
  LayOutBoard(state.board, DecodeGameNumber(*number));
  state.PlayedGameNumber = std::string(trimmed);
  BeginGame(state, services, /*saveEnabled=*/false);
}

}  // namespace quarvel
