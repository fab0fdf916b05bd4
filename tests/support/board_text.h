#pragma once
// Boards written as rows of tiles, e.g. "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0".
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/board.h"

namespace quarvel::testing {

// The solved board as rows.
inline constexpr const char* kSolved = "1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 15 0";

inline Position PositionFromRows(const std::string& rows) {
  std::istringstream in(rows);
  Position::Cells cells{};
  std::string word;
  std::size_t cell = 0;
  while (in >> word) {
    if (word == "/") continue;
    const int tile = std::stoi(word);
    if (tile < 0 || tile > 15 || cell >= cells.size()) throw std::invalid_argument("bad board: " + rows);
    cells[cell++] = static_cast<std::uint8_t>(tile);
  }
  const auto position = Position::FromCells(cells);
  if (cell != cells.size() || !position) throw std::invalid_argument("bad board: " + rows);
  return *position;
}

// A board laid out for a game on the position written as rows.
inline Board BoardFromRows(const std::string& rows) { return {PositionFromRows(rows), std::nullopt}; }

inline std::string RowsOf(const Position& position) {
  std::string text;
  for (int row = 1; row <= 4; ++row) {
    if (row > 1) text += " /";
    for (int column = 1; column <= 4; ++column) {
      text += ' ';  // appended apart: GCC 12 flags "literal + string" falsely in Release
      text += std::to_string(position.TileAt(row, column));
    }
  }
  return text.substr(1);
}

}  // namespace quarvel::testing
