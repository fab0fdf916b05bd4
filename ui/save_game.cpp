#include "ui/save_game.h"

#include "game/game_number.h"
#include "records/record_rewrite.h"
#include "records/saved_games_file.h"
#include "ui/texts.h"

namespace quarvel {

void SaveGame(const GameState& state, MainWindowState& window, Services& services) {
  // The game on the board, by its number as the box stood when the game began; whatever
  // has been typed into the box since is not that game.
  const std::string& number = state.playedGameNumber;
  if (!ParseGameNumber(number)) {
    services.boxes.Message(Text(TextId::ErrorTitle), Text(TextId::InvalidGameNumber, {{"number", number}}));
    return;
  }
  if (!services.files.KeepsRecords()) {
    services.boxes.Message(Text(TextId::ErrorTitle), Text(TextId::NoRecordsKeptForSave));
    return;
  }
  RewriteRecord(services, kSavedGamesFile, kSavedGamesScratchFile, kSavedGamesFileLimit, LostRecord::GameNumber,
                [number](const std::optional<std::string>& old) {
                  return InsertIntoSavedGamesText(old ? std::string_view(*old) : std::string_view(), number);
                });
  // The confirmation once the number is stored; the button disabled once it is closed.
  services.boxes.AfterStored(services.files.Storing(), kSavedGamesFile, [&window, &services] {
    services.boxes.Message(Text(TextId::SuccessTitle), Text(TextId::GameSaved),
                           [&window] { window.enabled.save = false; });
  });
}

}  // namespace quarvel
