#pragma once
// The program's three windows as event handlers over the shared game state. Both front
// ends (the Qt windows and the console) turn their input into these calls and show the
// state they leave; neither decides anything itself.
#include <cstdint>
#include <functional>
#include <string>

#include "core/arrow_keys.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "ui/program_state.h"
#include "ui/window_state.h"

namespace quarvel {

class Program {
 public:
  explicit Program(Services services) : services_(services) {}

  // Start-up (the main window's Load). False when it cannot complete; the reason has been
  // shown and the program must end with status 1.
  bool Start();
  // The main window's close box: closes the other windows; the program ends.
  void Close();

  // Main window. Each event returns false when the window could not receive it: a
  // disabled button, a control of a window that is not up, or the invisible blank.
  bool ClickNewGame();
  bool ClickGiveUp();
  bool ClickHallOfFame();
  bool ClickShowMe();
  bool ClickReload();
  bool ClickSave();
  bool ClickReplay();
  bool ClickTile(int tile);
  // An arrow key: a click of the tile it names (TileForArrow); false when it names none.
  bool PressArrowKey(ArrowKey key);
  bool ClickGameNumberBox();
  bool ClickTimeBox();
  bool TypeGameNumber(const std::string& text);
  void Tick();

  // The length of a shortest solution of game `game`, asked for when it began; taken only
  // while that game is the last one begun.
  void ReceiveShortestLength(std::uint64_t game, int length);

  // Hall of Fame and Reload Game windows.
  bool PickSavedGame(const std::string& entry);
  bool ReturnToMain();
  bool CloseWindow();

  const ProgramState& state() const { return state_; }
  const MainWindowState& mainWindow() const { return main_; }
  const WindowsState& windows() const { return windows_; }

 private:
  bool MainWindowUp() const { return windows_.visible == WindowId::Main; }
  // Runs a handler; a failed file operation ends it and is reported.
  void Run(const std::function<void()>& handler);
  void ShowHallOfFame();
  void ShowReloadWindow();
  void ReloadPickedGame(const std::string& entry);
  // Starts the game numbered by `text` (Replay Last Game, Reload Saved Game), `text`
  // standing in the game number box. A text that is not a game number (blanks around it
  // allowed) is refused with an "Error!" box and changes nothing. Returns whether the
  // game began.
  bool StartGameFromText(std::string text);
  // Where a game has begun (New Game, Replay, Reload): its note is asked for afresh.
  void GameBegun();

  Services services_;
  ProgramState state_;
  MainWindowState main_;
  WindowsState windows_;
};

}  // namespace quarvel
