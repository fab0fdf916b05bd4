#pragma once
// The draws that make New Game deal a chosen game.
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/game_number.h"

namespace quarvel::testing {

// New Game's shuffle exchanges cell i with a cell j >= i picked by the i-th draw; these
// draws pick, cell by cell, where the tiles of game `number` stand.
// A number whose deal had the empty cell in row 4, column 3 is rebuilt one move on; that
// deal is the rebuilt arrangement with its last two cells exchanged.
inline std::deque<double> DrawsDealing(std::uint64_t number) {
  Position target = DecodeGameNumber(number);
  if (EncodeGameNumberValue(target) != number) target.Exchange(14, 15);
  if (EncodeGameNumberValue(target) != number) throw std::logic_error("no deal carries this number");
  Position position;
  std::deque<double> draws;
  for (int i = 1; i <= 15; ++i) {
    int j = i;
    while (position.TileIn(j - 1) != target.TileIn(i - 1)) ++j;
    draws.push_back((j - i + 0.5) / (17 - i));
    position.Exchange(i - 1, j - 1);
  }
  return draws;
}

inline std::deque<double> DrawsDealing(const std::string& number) { return DrawsDealing(std::stoull(number)); }

}  // namespace quarvel::testing
