#pragma once
// What the windows show besides the board, and which window is up.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/tile_placement.h"

namespace quarvel {

// Enabled state of the main window's command buttons, as created.
struct Commands {
  bool NewGame = true;
  bool GiveUp = false;
  bool HallOfFame = true;
  bool ShowMe = false;
  bool Reload = true;
  bool Save = false;
  bool Replay = false;
  friend bool operator==(const Commands&, const Commands&) = default;

  // A game has ended or was given up: "Save Game #" and "Hall of Fame" keep their state.
  void SetBetweenGames() {
    NewGame = true;
    GiveUp = false;
    ShowMe = false;
    Reload = true;
    Replay = true;
  }

  // A game has begun: Save is offered only for a freshly dealt game.
  void SetGameInProgress(bool saveEnabled) {
    NewGame = false;
    GiveUp = true;
    ShowMe = true;
    Reload = false;
    Save = saveEnabled;
    Replay = false;
  }
};

// The main window's two text boxes and its commands.
struct MainWindowState {
  std::string Text1;  // game number box
  std::string Text3;  // time box
  Commands commands;
};

// Where the winner's name prompt stands on the screen.
inline constexpr TwipsPoint kNamePromptPosition{6000, 1500};

enum class WindowId { Main, HallOfFame, Reload };

// A line of the Hall of Fame listing column by column: name, game number, time and date,
// each as shown, without padding.
inline constexpr std::size_t kFameColumnCount = 4;
using FameColumns = std::array<std::string, kFameColumnCount>;

struct WindowsState {
  WindowId visible = WindowId::Main;

  // Hall of Fame window: loaded from its first showing until its close box unloads it.
  bool hallOfFameLoaded = false;
  std::string listing;  // lines ended by CR LF, columns padded with blanks
  // The same lines column by column, the headings first (no empty line), for a window that
  // places each column itself.
  std::vector<FameColumns> listingColumns;

  // Reload Game window.
  bool reloadLoaded = false;
  std::vector<std::string> savedList;
  // Goes up whenever savedList is filled afresh, so a front end can tell a new list from
  // the one it shows without comparing every entry.
  std::uint64_t savedListVersion = 0;
  std::string comboText;
};

}  // namespace quarvel
