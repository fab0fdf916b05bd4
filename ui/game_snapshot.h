#pragma once
// A game in progress as a few lines of text, for a front end that may be closed and opened
// again in the middle of a game (the page across a reload), and its checked reading: text
// that is damaged, or written by another version, reads as nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/date_time.h"
#include "core/position.h"
#include "solver/solver_state.h"

namespace quarvel {

// The format's version, on the text's first line; text of any other version is not read.
inline constexpr int kGameSnapshotVersion = 1;

struct GameSnapshot {
  std::string gameNumberText;    // the game number box as it stands (the player may have typed in it)
  std::string playedGameNumber;  // the number the game began from
  Position startPosition;
  Position board;
  DateTime StartTime = 0;  // the wall clock when the game began
  bool SolverUsed = false;
  bool saveEnabled = false;  // a freshly dealt game not saved yet
  std::int32_t movesMade = 0;
  SolverState solver;
};

std::string WriteGameSnapshot(const GameSnapshot& snapshot);

// Nothing unless every line is there, in order, and holds what a game in progress can hold:
// both positions whole and of one game (the board reachable from the start, the start the
// one its number gives), the flags 0 or 1, the counters in their ranges.
std::optional<GameSnapshot> ReadGameSnapshot(std::string_view text);

}  // namespace quarvel
