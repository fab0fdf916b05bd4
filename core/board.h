#pragma once
// The board table: where every tile stands, and where every tile belongs.
#include <array>
#include <cstdint>

namespace quarvel {

inline constexpr int kBoardSide = 4;  // rows, and columns
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr int kTileCount = kCellCount;  // tile 0 is the blank
inline constexpr int kBlank = 0;

struct CellPos {
  std::int16_t Row = 0;     // 1..4 from the top
  std::int16_t Column = 0;  // 1..4 from the left
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Indexed by tile number 0..15.
using BoardTable = std::array<CellPos, kTileCount>;

// The solved layout: tile k at cell k in reading order, the blank at row 4, column 4.
BoardTable SolvedLayout();

// Cell n (1..16) in reading order.
CellPos CellOf(int n);

// True when every tile's entry equals its home entry.
bool IsSolved(const BoardTable& board, const BoardTable& home);

// The tile standing at a cell, looked up among tiles 1..15; 0 when the cell holds the blank.
int TileAt(const BoardTable& board, int row, int column);

}  // namespace quarvel
