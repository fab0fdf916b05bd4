#pragma once
// A position: the tile in each cell of the board, and the rules on positions.
#include <array>
#include <cstdint>
#include <optional>

namespace quarvel {

inline constexpr int kBoardSide = 4;  // rows, and columns
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr int kTileCount = kCellCount;  // tiles 1..15 and the blank
inline constexpr int kBlank = 0;               // the empty cell's tile

// A cell by its row and column, each 1..4 from the top left.
struct CellPos {
  std::int16_t Row = 0;
  std::int16_t Column = 0;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// Cells are numbered 0..15 in reading order.
constexpr CellPos PlaceOfCell(int cell) {
  return {static_cast<std::int16_t>(cell / kBoardSide + 1), static_cast<std::int16_t>(cell % kBoardSide + 1)};
}
constexpr int CellAt(int row, int column) { return (row - 1) * kBoardSide + column - 1; }

// The cell's mirror image about the main diagonal: row and column exchanged.
constexpr int Transposed(int cell) { return cell % kBoardSide * kBoardSide + cell / kBoardSide; }
// A tile's name in the mirrored position: the tile whose home is its home's mirror image.
constexpr int ReflectedTile(int tile) { return tile == 0 ? 0 : Transposed(tile - 1) + 1; }

class Position {
 public:
  using Cells = std::array<std::uint8_t, kCellCount>;

  // The goal: tile c + 1 in cell c, the empty cell last.
  constexpr Position() {
    for (int cell = 0; cell + 1 < kCellCount; ++cell) cells_[static_cast<std::size_t>(cell)] = Tile(cell + 1);
  }
  // Nothing unless every tile 0..15 stands in exactly one cell.
  static std::optional<Position> FromCells(const Cells& cells);

  const Cells& cells() const { return cells_; }
  int TileIn(int cell) const { return cells_[static_cast<std::size_t>(cell)]; }
  // The tile at row and column 1..4; the blank's 0 also for a place off the board.
  int TileAt(int row, int column) const;
  int CellOf(int tile) const;
  CellPos PlaceOf(int tile) const { return PlaceOfCell(CellOf(tile)); }

  // Whether the goal can be reached from here by slides.
  bool IsSolvable() const;
  // Slides a tile into the empty cell when it is the empty cell's neighbour in its row or
  // its column; otherwise changes nothing (the blank itself, a tile out of range included).
  // Returns whether the tile moved.
  bool Slide(int tile);
  // Exchanges the contents of two cells, whatever they hold.
  void Exchange(int cell, int other);
  // The position mirrored about the main diagonal, tiles renamed by their mirrored home
  // cells; it lies as far from the goal as this one.
  Position Reflected() const;

  friend bool operator==(const Position&, const Position&) = default;

 private:
  static constexpr std::uint8_t Tile(int tile) { return static_cast<std::uint8_t>(tile); }
  Cells cells_{};
};

}  // namespace quarvel
