#pragma once
// The Hall of Fame as the game keeps it: the summary taken at start-up and the entry of
// a winner.
#include <functional>
#include <string>

#include "core/game_state.h"
#include "core/platform.h"

namespace quarvel {

// Start-up: counts the entries, notes the slowest time and deletes HallFame.dat. Returns
// whether there is a list (Fame.dat exists). A failure to delete HallFame.dat goes to
// `report`, and the list is read all the same.
bool LoadFameSummary(GameState& state, Services& services,
                     const std::function<void(const FileFailure&)>& report = {});

// At a win: the count and the slowest time read again from Fame.dat, which another game
// may have changed since start-up. A file that cannot be read leaves them as they were.
void RefreshFameSummary(GameState& state, Services& services);

// Writes the winner at its rank into Fame.dat.
void InsertFameEntry(GameState& state, Services& services, const std::string& name, double timeDays);

}  // namespace quarvel
