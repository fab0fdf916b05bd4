#pragma once
// What binds the program's handlers and window state to the page: the windows' layouts
// and their state as JSON for the script, and the page's events as handler calls.
#include <cstdint>
#include <optional>
#include <string>

#include "core/position.h"
#include "ui/program.h"

namespace quarvel::web {

// The three windows' layouts, captions and accessible names in the player's language.
std::string LayoutsJson();

// A game's start position for the shortest-solution worker, tagged with the game.
struct ShortestRequest {
  std::uint64_t game = 0;
  Position start;
};

// What the windows show now, the note on the game number included. The Reload Game list is included only when its
// version differs from `shownListVersion`, the one the page already shows; a request for the worker when there is one.
std::string StateJson(const Program& program, std::uint64_t shownListVersion,
                      const std::optional<ShortestRequest>& request);

// Runs the page's event `name` with its argument; false when the window could not receive
// it or no such event exists.
bool RunEvent(Program& program, const std::string& name, const std::string& argument);

}  // namespace quarvel::web
