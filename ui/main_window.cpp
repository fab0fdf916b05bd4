// The main window's event handlers.
#include "game/game_clock.h"
#include "game/give_up.h"
#include "game/new_game.h"
#include "game/replay.h"
#include "solver/solver_driver.h"
#include "ui/program.h"
#include "ui/save_game.h"
#include "ui/tile_click.h"

namespace quarvel {

bool Program::ClickNewGame() {
  if (!MainWindowUp() || !state_.commands.NewGame) return false;
  Run([&] { NewGame(state_, services_); });
  return true;
}

bool Program::ClickGiveUp() {
  if (!MainWindowUp() || !state_.commands.GiveUp) return false;
  GiveUp(state_);
  return true;
}

bool Program::ClickShowMe() {
  if (!MainWindowUp() || !state_.commands.ShowMe) return false;
  Run([&] { ShowMe(state_, services_); });
  return true;
}

bool Program::ClickSave() {
  if (!MainWindowUp() || !state_.commands.Save) return false;
  Run([&] { SaveGame(state_, services_); });
  return true;
}

bool Program::ClickReplay() {
  if (!MainWindowUp() || !state_.commands.Replay) return false;
  Run([&] { ReplayLastGame(state_, services_); });
  return true;
}

bool Program::ClickTile(int tile) {
  if (!MainWindowUp() || tile < 1 || tile > 15) return false;
  Run([&] { quarvel::ClickTile(state_, services_, tile); });
  return true;
}

bool Program::PressArrowKey(ArrowKey key) {
  const int tile = TileForArrow(state_.board.table, key);
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
  state_.Text1 = text;
  return true;
}

void Program::Tick() { ClockTick(state_, services_.clock); }

}  // namespace quarvel
