#pragma once
// What the windows show besides the board, and which window is up.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/twips.h"

namespace quarvel {

// Enabled state of the main window's command buttons, as created.
struct EnabledCommands {
  bool newGame = true;
  bool giveUp = false;
  bool hallOfFame = true;
  bool showMe = false;
  bool reload = true;
  bool save = false;
  bool replay = false;
  friend bool operator==(const EnabledCommands&, const EnabledCommands&) = default;

  // A game has ended or was given up: "Save Game #" and "Hall of Fame" keep their state.
  void SetBetweenGames() {
    newGame = true;
    giveUp = false;
    showMe = false;
    reload = true;
    replay = true;
  }

  // A game has begun: Save is offered only for a freshly dealt game.
  void SetGameInProgress(bool saveEnabled) {
    newGame = false;
    giveUp = true;
    showMe = true;
    reload = false;
    save = saveEnabled;
    replay = false;
  }
};

// Whether a load of each record the player may load (ui/record_load.h) can be undone.
inline constexpr std::size_t kUndoableLoadCount = 2;
using UndoableLoads = std::array<bool, kUndoableLoadCount>;

// The main window's two text boxes, the note on the game number and which commands are
// enabled.
struct MainWindowState {
  std::string gameNumberText;
  std::string clockText;  // the time box
  // The game number box's tooltip and accessible description: its shortest solution.
  std::string gameNumberNote;
  EnabledCommands enabled;
  UndoableLoads undoableLoads{};
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
  // Goes up whenever the listing is built afresh, as savedListVersion below.
  std::uint64_t listingVersion = 0;

  // Reload Game window.
  bool reloadLoaded = false;
  std::vector<std::string> savedList;
  // Goes up whenever savedList is filled afresh, so a front end can tell a new list from
  // the one it shows without comparing every entry.
  std::uint64_t savedListVersion = 0;
  std::string comboText;
};

}  // namespace quarvel
