#pragma once
// The draws that make New Game deal a chosen game.
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/game_number.h"
#include "game/start_position.h"

namespace quarvel::testing {

// New Game's shuffle exchanges cell i with a cell j >= i picked by the i-th draw; these
// draws pick, cell by cell, where the tiles of game `number` stand.
// A number whose deal had the empty cell in row 4, column 3 is rebuilt one move on; that
// deal is the rebuilt arrangement with its last two cells exchanged.
inline std::deque<double> DrawsDealing(std::uint64_t number) {
  StartPosition target = DecodeGameNumber(number);
  if (EncodeGameNumberValue(target) != number) std::swap(target[14], target[15]);
  if (EncodeGameNumberValue(target) != number) throw std::logic_error("no deal carries this number");
  StartPosition position = SolvedStartPosition();
  std::deque<double> draws;
  for (int i = 1; i <= 15; ++i) {
    int j = i;
    while (position[static_cast<std::size_t>(j - 1)] != target[static_cast<std::size_t>(i - 1)]) ++j;
    draws.push_back((j - i + 0.5) / (17 - i));
    std::swap(position[static_cast<std::size_t>(i - 1)], position[static_cast<std::size_t>(j - 1)]);
  }
  return draws;
}

inline std::deque<double> DrawsDealing(const std::string& number) { return DrawsDealing(std::stoull(number)); }

}  // namespace quarvel::testing
