#include "ui/save_game.h"

#include "game/game_number.h"
#include "records/saved_games_file.h"

namespace quarvel {

void SaveGame(MainWindowState& window, Services& services) {
  const std::string number(TrimBlanks(window.Text1));
  if (!ParseGameNumber(number)) {
    services.dialogs.ShowMessage("Error!", InvalidGameNumberMessage(number));
    return;
  }
  services.files.Rewrite(kSavedGamesFile, kSavedGamesScratchFile, [&](const std::optional<std::string>& old) {
    return InsertIntoSavedGamesText(old ? std::string_view(*old) : std::string_view(), number);
  });
  services.dialogs.ShowMessage("Success!", "Game # successfully saved.");
  window.commands.Save = false;
}

}  // namespace quarvel
