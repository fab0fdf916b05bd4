#include "ui/game_snapshot.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/game_number.h"

namespace quarvel {
namespace {

constexpr std::string_view kFirstLine = "quarvel-orbix game";
constexpr std::size_t kLongestText = 200;  // the game number box holds a line the player typed
constexpr double kSecondsADay = 86400.0;

std::string CellsLine(const Position& position) {
  std::string line;
  for (const std::uint8_t tile : position.cells()) line += ' ' + std::to_string(tile);
  return line;
}

// The lines of a snapshot, each taken after its key and a blank.
class Lines {
 public:
  explicit Lines(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      lines_.push_back(text.substr(0, end));
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
  }
  // The rest of the next line after "key ", or nothing when the next line has another key.
  std::optional<std::string_view> Next(std::string_view key) {
    if (next_ == lines_.size()) return std::nullopt;
    const std::string_view line = lines_[next_++];
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ') return std::nullopt;
    return line.substr(key.size() + 1);
  }
  bool AllRead() const { return next_ == lines_.size(); }

 private:
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

// Whole numbers separated by single blanks, each within [low, high]; exactly `count` of them.
std::optional<std::vector<std::int64_t>> Numbers(std::optional<std::string_view> text, std::size_t count,
                                                 std::int64_t low, std::int64_t high) {
  if (!text) return std::nullopt;
  std::vector<std::int64_t> numbers;
  const char* at = text->data();
  const char* end = at + text->size();
  while (numbers.size() < count) {
    std::int64_t value = 0;
    const auto [next, error] = std::from_chars(at, end, value);
    if (error != std::errc{} || value < low || value > high) return std::nullopt;
    numbers.push_back(value);
    at = next;
    if (numbers.size() < count && (at == end || *at++ != ' ')) return std::nullopt;
  }
  if (at != end) return std::nullopt;
  return numbers;
}

std::optional<Position> PositionOf(std::optional<std::string_view> text) {
  const auto numbers = Numbers(text, kCellCount, 0, kCellCount - 1);
  if (!numbers) return std::nullopt;
  Position::Cells cells{};
  for (std::size_t cell = 0; cell < cells.size(); ++cell) cells[cell] = static_cast<std::uint8_t>((*numbers)[cell]);
  return Position::FromCells(cells);
}

}  // namespace

std::string WriteGameSnapshot(const GameSnapshot& s) {
  std::string number;
  for (const char c : s.gameNumberText.substr(0, kLongestText))
    if (c != '\n' && c != '\r') number += c;
  const SolverState& solver = s.solver;
  return std::string(kFirstLine) + ' ' + std::to_string(kGameSnapshotVersion) + "\nnumber " + number + "\nplayed " +
         s.playedGameNumber + "\nstart" + CellsLine(s.startPosition) + "\nboard" + CellsLine(s.board) + "\nstarted " +
         std::to_string(std::llround(s.StartTime * kSecondsADay)) + "\nflags " + std::to_string(int{s.SolverUsed}) +
         ' ' + std::to_string(int{s.saveEnabled}) + "\nmoves " + std::to_string(s.movesMade) + "\nsolver " +
         std::to_string(int{solver.RowEndRotation}) + ' ' + std::to_string(int{solver.RingMode}) + ' ' +
         std::to_string(solver.SolverStep) + ' ' + std::to_string(solver.SolverTile) + ' ' +
         std::to_string(static_cast<int>(solver.SolverLastMove)) + '\n';
}

std::optional<GameSnapshot> ReadGameSnapshot(std::string_view text) {
  Lines lines(text);
  const auto version = Numbers(lines.Next(kFirstLine), 1, kGameSnapshotVersion, kGameSnapshotVersion);
  const auto number = lines.Next("number");
  const auto played = lines.Next("played");
  const auto start = PositionOf(lines.Next("start"));
  const auto board = PositionOf(lines.Next("board"));
  // From the year 1900 to the year 9999, to whole seconds.
  const auto started = Numbers(lines.Next("started"), 1, 0, 2'958'465LL * 86400);
  const auto flags = Numbers(lines.Next("flags"), 2, 0, 1);
  const auto moves = Numbers(lines.Next("moves"), 1, 0, INT32_MAX);
  const auto solver = Numbers(lines.Next("solver"), 5, 0, INT16_MAX);
  if (!version || !number || number->size() > kLongestText || !played || !start || !board || !started || !flags ||
      !moves || !solver || !lines.AllRead())
    return std::nullopt;
  // One game: its number gives its start (a dealt game's start gives its number), and the
  // board is reachable from the start.
  const auto value = ParseGameNumber(*played);
  if (!value || (DecodeGameNumber(*value) != *start && EncodeGameNumber(*start) != *played) || !start->IsSolvable() ||
      !board->IsSolvable())
    return std::nullopt;
  const auto& [rowEnd, ring, step, tile, lastMove] =
      std::array{(*solver)[0], (*solver)[1], (*solver)[2], (*solver)[3], (*solver)[4]};
  if (rowEnd > 1 || ring > 1 || tile >= kTileCount || lastMove > static_cast<int>(BlankMove::Down)) return std::nullopt;

  GameSnapshot s;
  s.gameNumberText = std::string(*number);
  s.playedGameNumber = std::string(*played);
  s.startPosition = *start;
  s.board = *board;
  s.StartTime = static_cast<double>((*started)[0]) / kSecondsADay;
  s.SolverUsed = (*flags)[0] == 1;
  s.saveEnabled = (*flags)[1] == 1;
  s.movesMade = static_cast<std::int32_t>((*moves)[0]);
  s.solver = {rowEnd == 1, ring == 1, static_cast<std::int16_t>(step), static_cast<std::int16_t>(tile),
              static_cast<BlankMove>(lastMove)};
  return s;
}

}  // namespace quarvel
