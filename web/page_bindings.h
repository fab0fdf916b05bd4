#pragma once
// What binds the program to the page: the windows' layouts and their state (the box up
// among it) as JSON for the script, and the page's events and keys as the program's.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The page's event `name` with its arguments (ui/events.h names them), or nothing when no
// event has that name.
std::optional<Event> PageEvent(std::string_view name, const std::string& text, double number, double game);

// A key the page saw (its KeyboardEvent.key, letters in lower case), pressed with Ctrl or
// not, in the box `focus` names ("gameNumberBox", "savedGameBox", or "" for elsewhere)
// holding `text`; nothing for a key the table never binds.
std::optional<KeyPress> PageKey(std::string_view key, bool ctrl, std::string_view focus, std::string text);

}  // namespace quarvel::web
