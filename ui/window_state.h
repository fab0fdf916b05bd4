#pragma once
// What the Hall of Fame and Reload Game windows show, and which window is up.
#include <cstdint>
#include <string>
#include <vector>

namespace quarvel {

enum class WindowId { Main, HallOfFame, Reload };

struct WindowsState {
  WindowId visible = WindowId::Main;

  // Hall of Fame window: loaded from its first showing until its close box unloads it.
  bool hallOfFameLoaded = false;
  std::string listing;  // lines ended by CR LF

  // Reload Game window.
  bool reloadLoaded = false;
  std::vector<std::string> savedList;
  // Goes up whenever savedList is filled afresh, so a front end can tell a new list from
  // the one it shows without comparing every entry.
  std::uint64_t savedListVersion = 0;
  std::string comboText;
};

}  // namespace quarvel
