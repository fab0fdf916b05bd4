#include "ui/save_game.h"

#include "game/game_number.h"
#include "records/record_rewrite.h"
#include "records/saved_games_file.h"

namespace quarvel {

void SaveGame(const GameState& state, MainWindowState& window, Services& services) {
  // The game on the board, by its number as the box stood when the game began; whatever
  // has been typed into the box since is not that game.
  const std::string& number = state.PlayedGameNumber;
  if (!ParseGameNumber(number)) {
    services.dialogs.ShowMessage("Error!", InvalidGameNumberMessage(number));
    return;
  }
  RewriteRecord(services, kSavedGamesFile, kSavedGamesScratchFile, kSavedGamesFileLimit,
                "The game number was not recorded", [&](const std::optional<std::string>& old) {
                  return InsertIntoSavedGamesText(old ? std::string_view(*old) : std::string_view(), number);
                });
  services.dialogs.ShowMessage("Success!", "Game # successfully saved.");
  window.commands.Save = false;
}

}  // namespace quarvel
