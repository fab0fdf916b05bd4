#include "ui/save_game.h"

#include <new>

#include "game/game_number.h"
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
  const std::string notRecorded = std::string("The game number was not recorded in ") + kSavedGamesFile + ". ";
  try {
    HourglassWhile waiting(services.windows);  // the folder may be locked for a moment
    services.files.Rewrite(kSavedGamesFile, kSavedGamesScratchFile, kSavedGamesFileLimit,
                           [&](const std::optional<std::string>& old) {
                             return InsertIntoSavedGamesText(old ? std::string_view(*old) : std::string_view(), number);
                           });
  } catch (const FileFailure& failure) {
    throw FileFailure(notRecorded + failure.what());
  } catch (const std::bad_alloc&) {
    throw FileFailure(notRecorded + "There is not enough memory.");
  }
  services.dialogs.ShowMessage("Success!", "Game # successfully saved.");
  window.commands.Save = false;
}

}  // namespace quarvel
