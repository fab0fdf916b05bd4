#include "core/home_positions_file.h"

#include <vector>

namespace quarvel {
namespace {

// Row then column of every tile.
constexpr std::size_t kFieldCount = 2 * kTileCount;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

// One field as a small whole number; nothing when it is not one.
std::optional<int> ParseSmallNumber(std::string_view field) {
  while (!field.empty() && IsBlank(field.front())) field.remove_prefix(1);
  while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
  if (field.empty() || field.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<Position> ParseHomePositions(std::string_view text) {
  std::vector<int> numbers;
  std::size_t pos = 0;
  while (numbers.size() < kFieldCount && pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    std::string_view field = text.substr(pos, end - pos);
    // A CR LF pair (or an empty line) is one line end, not an empty field.
    bool onlyBlanks = field.find_first_not_of(" \t") == std::string_view::npos;
    bool lineEnd = end < text.size() && text[end] != ',';
    if (!(onlyBlanks && (lineEnd || end == text.size()))) {
      auto value = ParseSmallNumber(field);
      if (!value) return std::nullopt;
      numbers.push_back(*value);
    }
    pos = end + 1;
  }
  if (numbers.size() < kFieldCount) return std::nullopt;

  Position::Cells cells{};
  bool used[kCellCount] = {};
  for (std::size_t tile = 0; tile < kTileCount; ++tile) {
    const int row = numbers[2 * tile], column = numbers[2 * tile + 1];
    if (row < 1 || row > kBoardSide || column < 1 || column > kBoardSide) return std::nullopt;
    const auto cell = static_cast<std::size_t>(CellAt(row, column));
    if (used[cell]) return std::nullopt;
    used[cell] = true;
    cells[cell] = static_cast<std::uint8_t>(tile);
  }
  return Position::FromCells(cells);
}

}  // namespace quarvel
