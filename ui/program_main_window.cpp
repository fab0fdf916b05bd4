// The main window's event handlers.
#include <algorithm>
#include <cmath>
#include <utility>

#include "game/game_clock.h"
#include "game/game_number.h"
#include "game/new_game.h"
#include "game/replay.h"
#include "game/start_position.h"
#include "ui/game_snapshot.h"
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
    main_.gameNumberText = DealGame(state_.game, services_);
    GameBegun();
    main_.enabled.SetGameInProgress(/*saveEnabled=*/true);
  });
  return true;
}

bool Program::ClickGiveUp() {
  if (!MainWindowUp() || !main_.enabled.giveUp) return false;
  GiveUpGame(state_.game);
  main_.enabled.SetBetweenGames();
  main_.clockText.clear();
  return true;
}

bool Program::ClickShowMe() {
  if (!MainWindowUp() || !main_.enabled.showMe) return false;
  Run([&] { ShowMe(state_.game, main_, services_); });
  return true;
}

bool Program::ClickSave() {
  if (!MainWindowUp() || !main_.enabled.save) return false;
  Run([&] { SaveGame(state_.game, main_, services_); });
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
  const int tile = TileForArrow(state_.game.board.position, key);
  return tile != kBlank && ClickTile(tile);
}

bool Program::ClickTextBox() {
  if (!MainWindowUp()) return false;
  services_.windows.FocusTile(1);
  return true;
}

bool Program::TypeGameNumber(const std::string& text) {
  if (!MainWindowUp()) return false;
  main_.gameNumberText = text;
  return true;
}

void Program::Tick() {
  if (auto text = ClockTick(state_.game, services_.clock)) main_.clockText = std::move(*text);
}

void Program::GameBegun() {
  SolverGame& game = state_.game;
  game.shortestLength.reset();
  main_.gameNumberNote.clear();
  if (game.startPosition.IsSolvable()) services_.shortest.Request(game.gamesBegun, game.startPosition);
}

void Program::ReceiveShortestLength(std::uint64_t game, int length) {
  if (game != state_.game.gamesBegun) return;  // a game begun since has its own request
  state_.game.shortestLength = length;
  main_.gameNumberNote = ShortestSolutionNote(state_.game);
}

bool Program::StartGameFromText(std::string text) {
  const std::string_view trimmed = TrimBlanks(text);
  const auto number = ParseGameNumber(trimmed);
  if (!number) {
    services_.boxes.Message(Text(TextId::ErrorTitle),
                            Text(TextId::InvalidGameNumber, {{"number", std::string(trimmed)}}));
    return false;
  }
  StartNumberedGame(state_.game, services_, *number, trimmed);
  GameBegun();
  main_.gameNumberText = std::move(text);
  main_.enabled.SetGameInProgress(/*saveEnabled=*/false);
  return true;
}

std::string Program::GameSnapshotText() const {
  const SolverGame& game = state_.game;
  if (!game.GameInProgress) return {};
  return WriteGameSnapshot({main_.gameNumberText, game.playedGameNumber, game.startPosition, game.board.position,
                            game.StartTime, game.SolverUsed, main_.enabled.save, game.movesMade, game.solver});
}

bool Program::ResumeGame(std::string_view text) {
  SolverGame& game = state_.game;
  const auto snapshot = ended_ || game.GameInProgress ? std::nullopt : ReadGameSnapshot(text);
  if (!snapshot) return false;
  LayOutBoard(game.board, snapshot->board);
  game.startPosition = snapshot->startPosition;
  game.playedGameNumber = snapshot->playedGameNumber;
  game.GameInProgress = true;
  game.SolverUsed = snapshot->SolverUsed;
  game.solver = snapshot->solver;
  ++game.gamesBegun;
  game.movesMade = snapshot->movesMade;
  game.wonByPlayer = false;
  // Durations are measured on the monotonic clock: its start is put back as far as the wall
  // clock has moved since StartTime (not before now, when the wall clock was set back).
  game.StartTime = snapshot->StartTime;
  const double awayMs = std::max(0.0, (services_.clock.Now() - game.StartTime) * 86'400'000.0);
  game.startMonotonicMs = services_.clock.MonotonicMs() - std::llround(awayMs);
  main_.gameNumberText = snapshot->gameNumberText;
  main_.enabled.SetGameInProgress(snapshot->saveEnabled);
  main_.clockText = ClockTick(game, services_.clock).value_or("");
  GameBegun();
  return true;
}

}  // namespace quarvel
