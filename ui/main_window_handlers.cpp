// The main window's event handlers.
#include <utility>

#include "game/game_clock.h"
#include "game/game_number.h"
#include "game/new_game.h"
#include "game/replay.h"
#include "ui/program.h"
#include "ui/save_game.h"
#include "ui/shortest_note.h"
#include "ui/show_me.h"
#include "ui/texts.h"
#include "ui/tile_click.h"

namespace quarvel {

bool Program::ClickNewGame() {
  if (!MainWindowUp() || !main_.enabled.newGame) return false;
  Run([&] {
    main_.clockText.clear();
    main_.gameNumberText = DealGame(state_, services_);
    GameBegun();
    main_.enabled.SetGameInProgress(/*saveEnabled=*/true);
  });
  return true;
}

bool Program::ClickGiveUp() {
  if (!MainWindowUp() || !main_.enabled.giveUp) return false;
  GiveUpGame(state_);
  main_.enabled.SetBetweenGames();
  main_.clockText.clear();
  return true;
}

bool Program::ClickShowMe() {
  if (!MainWindowUp() || !main_.enabled.showMe) return false;
  Run([&] { ShowMe(state_, main_, services_); });
  return true;
}

bool Program::ClickSave() {
  if (!MainWindowUp() || !main_.enabled.save) return false;
  Run([&] { SaveGame(state_, main_, services_); });
  return true;
}

bool Program::ClickReplay() {
  if (!MainWindowUp() || !main_.enabled.replay) return false;
  Run([&] { StartGameFromText(main_.gameNumberText); });
  return true;
}

bool Program::ClickTile(int tile) {
  if (!MainWindowUp() || tile < 1 || tile > 15) return false;
  Run([&] { SlideClickedTile(state_, main_, services_, tile); });
  return true;
}

bool Program::PressArrowKey(ArrowKey key) {
  const int tile = TileForArrow(state_.board.position, key);
  return tile != kBlank && ClickTile(tile);
}

bool Program::ClickGameNumberBox() {
  if (!MainWindowUp()) return false;
  services_.windows.FocusTile(1);
  return true;
}

bool Program::ClickTimeBox() { return ClickGameNumberBox(); }

bool Program::TypeGameNumber(const std::string& text) {
  if (!MainWindowUp()) return false;
  main_.gameNumberText = text;
  return true;
}

void Program::Tick() {
  if (auto text = ClockTick(state_, services_.clock)) main_.clockText = std::move(*text);
}

void Program::GameBegun() {
  state_.shortestLength.reset();
  main_.gameNumberNote.clear();
  if (state_.startPosition.IsSolvable()) services_.shortest.Request(state_.gamesBegun, state_.startPosition);
}

void Program::ReceiveShortestLength(std::uint64_t game, int length) {
  if (game != state_.gamesBegun) return;  // a game begun since has its own request
  state_.shortestLength = length;
  main_.gameNumberNote = ShortestSolutionNote(state_);
}

bool Program::StartGameFromText(std::string text) {
  const std::string_view trimmed = TrimBlanks(text);
  const auto number = ParseGameNumber(trimmed);
  if (!number) {
    services_.dialogs.ShowMessage(Text(TextId::ErrorTitle),
                                  Text(TextId::InvalidGameNumber, {{"number", std::string(trimmed)}}));
    return false;
  }
  StartNumberedGame(state_, services_, *number, trimmed);
  GameBegun();
  main_.gameNumberText = std::move(text);
  main_.enabled.SetGameInProgress(/*saveEnabled=*/false);
  return true;
}

}  // namespace quarvel
