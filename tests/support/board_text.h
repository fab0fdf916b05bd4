#pragma once
// Boards written as rows of tiles, e.g. "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0".
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/tile_placement.h"

namespace quarvel::testing {

// The solved board as rows.
inline constexpr const char* kSolved = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0";

inline Board BoardFromRows(const std::string& rows) {
  std::istringstream in(rows);
  Board board;
  std::string word;
  int cell = 0;
  bool seen[16] = {};
  while (in >> word) {
    if (word == "/") continue;
    const int tile = std::stoi(word);
    if (tile < 0 || tile > 15 || seen[tile] || cell >= 16) throw std::invalid_argument("bad board: " + rows);
    seen[tile] = true;
    PlaceTile(board, tile, cell / 4 + 1, cell % 4 + 1);
    ++cell;
  }
  if (cell != 16) throw std::invalid_argument("bad board: " + rows);
  return board;
}

inline std::string RowsOf(const BoardTable& table) {
  std::string text;
  for (int row = 1; row <= 4; ++row) {
    if (row > 1) text += " /";
    for (int column = 1; column <= 4; ++column) {
      text += ' ';  // appended apart: GCC 12 flags "literal + string" falsely in Release
      text += std::to_string(TileAt(table, row, column));
    }
  }
  return text.substr(1);
}

}  // namespace quarvel::testing
