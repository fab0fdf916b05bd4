#pragma once
// Shared steps of the records tests: deal a board two moves from solved and win it.
#include <gtest/gtest.h>

#include <string>

#include "support/harness.h"

namespace quarvel::testing {

inline constexpr const char* kNamePrompt =
    "input Congratulations!|Please provide your name (max. 14 characters) for the Hall of Fame.|6000,1500|";

// Deals game 2: "13 0 14 15" in the bottom row, solved by tiles 14 and 15.
inline void DealNearlySolved(Harness& h) {
  for (int k = 0; k < 13; ++k) h.draws.values.push_back(0);
  h.draws.values.push_back(0.7);  // cell 14 with cell 16
  h.draws.values.push_back(0.5);  // cell 15 with cell 16
  ASSERT_TRUE(h.Send(EventId::NewGame));
  ASSERT_EQ(h.window().gameNumberText, "2");
}

// Plays the last two moves of game 2 after `seconds`.
inline void WinAfter(Harness& h, std::int64_t seconds) {
  h.clock.Advance(seconds);
  h.Tile(14);
  ASSERT_TRUE(h.game().GameInProgress);
  h.Tile(15);
  ASSERT_FALSE(h.game().GameInProgress);
}

}  // namespace quarvel::testing
