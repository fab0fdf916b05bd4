#include "game/game_number.h"

#include <array>

#include "game/start_position.h"

namespace quarvel {
namespace {

// The value a game number ranks: the tile, or 16 for the empty cell.
int ValueIn(const Position& position, int cell) {
  const int tile = position.TileIn(cell);
  return tile == kBlank ? kCellCount : tile;
}

}  // namespace

std::uint64_t EncodeGameNumberValue(const Position& position) {
  std::uint64_t n = 0;
  for (int k = 0; k < 14; ++k) {
    std::uint64_t digit = 0;
    for (int l = k + 1; l < kCellCount; ++l)
      if (ValueIn(position, l) < ValueIn(position, k)) ++digit;
    n = n * static_cast<std::uint64_t>(16 - k) + digit;  // radix 16 for cell 1 down to 3 for cell 14
  }
  return n;
}

std::string EncodeGameNumber(const Position& position) { return std::to_string(EncodeGameNumberValue(position)); }

Position DecodeGameNumber(std::uint64_t n) {
  std::array<int, kCellCount> values{};
  values[14] = 1;
  values[15] = 2;
  for (std::size_t k = 14; k-- > 0;) {
    const std::uint64_t radix = 16 - k;
    values[k] = static_cast<int>(n % radix) + 1;
    n /= radix;
    for (std::size_t l = k + 1; l < values.size(); ++l)
      if (values[l] >= values[k]) ++values[l];
  }
  Position::Cells cells{};
  for (std::size_t cell = 0; cell < cells.size(); ++cell)
    cells[cell] = static_cast<std::uint8_t>(values[cell] == kCellCount ? kBlank : values[cell]);
  Position position = *Position::FromCells(cells);  // the values are 1..16, each once
  MakeSolvable(position);
  return position;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::optional<std::uint64_t> ParseGameNumber(std::string_view text) {
  if (text.empty() || text.size() > 14) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > kLargestGameNumber) return std::nullopt;
  return value;
}

}  // namespace quarvel
