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

// What the windows show now, the note on the game number included, and a request for the
// worker when there is one. The Hall of Fame listing is included only when its version
// differs from `shownListingVersion`, the one the page already shows (a hand-edited name
// may be long). The Reload Game list is given by its version and size only: it may hold
// millions of entries, of which the page shows a few.
std::string StateJson(const Program& program, std::uint64_t shownListingVersion,
                      const std::optional<ShortestRequest>& request);

// The entries `first` to `first + count - 1` of the Reload Game list, as far as it goes.
std::string SavedGamesJson(const Program& program, std::size_t first, std::size_t count);

// The place in the Reload Game list of the first entry equal to `entry`, or -1.
double SavedGameIndex(const Program& program, std::string_view entry);

// The page's event `name` with its arguments (ui/events.h names them), or nothing when no
// event has that name.
std::optional<Event> PageEvent(std::string_view name, const std::string& text, double number, double game);

// A key the page saw (its KeyboardEvent.key, letters in lower case), pressed with Ctrl or
// not, in the box `focus` names ("gameNumberBox", "savedGameBox", or "" for elsewhere)
// holding `text`; nothing for a key the table never binds.
std::optional<KeyPress> PageKey(std::string_view key, bool ctrl, std::string_view focus, std::string text);

}  // namespace quarvel::web
