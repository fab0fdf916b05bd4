#pragma once
// The Hall of Fame as the game keeps it: the summary taken at start-up and the entry of
// a winner.
#include <cstdint>
#include <functional>
#include <string>

#include "core/platform.h"

namespace quarvel {

inline constexpr double kNoFameTime = 9999;

// What the game keeps of Fame.dat between wins: how many entries it holds and the slowest
// time among them (kNoFameTime when there is no list).
struct FameSummary {
  std::int16_t FameCount = 0;
  double SlowestFameTime = kNoFameTime;
};

// Start-up: counts the entries, notes the slowest time and deletes HallFame.dat. Returns
// whether there is a list (Fame.dat exists). A failure to delete HallFame.dat goes to
// `report`, and the list is read all the same.
bool LoadFameSummary(FameSummary& fame, Services& services, const std::function<void(const FileFailure&)>& report = {});

// At a win: the count and the slowest time read again from Fame.dat, which another game
// may have changed since start-up. A file that cannot be read leaves them as they were.
void RefreshFameSummary(FameSummary& fame, Services& services);

// Writes the winner of game `gameNumber` at its rank into Fame.dat.
void InsertFameEntry(FameSummary& fame, Services& services, const std::string& gameNumber, const std::string& name,
                     double timeDays);

}  // namespace quarvel
