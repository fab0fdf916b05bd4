#include "solve/position_line.h"

#include <vector>

#include "game/game_number.h"
#include "game/start_position.h"

namespace quarvel::solve {
namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsSeparator(line[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && !IsSeparator(line[i])) ++i;
    words.push_back(line.substr(start, i - start));
  }
  return words;
}

// The word in double quotes, then the reason.
std::string Quoted(std::string_view word, std::string_view why) {
  std::string text = "\"";
  text.append(word).append("\" ").append(why);
  return text;
}

bool AllDigits(std::string_view word) {
  if (word.empty()) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

shortest::Cells CellsOf(const StartPosition& position) {
  shortest::Cells cells{};
  for (std::size_t c = 0; c < cells.size(); ++c)
    cells[c] = static_cast<std::uint8_t>(position[c] == kBlankValue ? 0 : position[c]);
  return cells;
}

}  // namespace

std::variant<shortest::Cells, std::string> ReadPosition(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::vector<std::string_view> words = Words(line);
  if (words.empty()) return std::string("empty line");
  if (words.size() == 1) {
    const auto number = ParseGameNumber(words.front());
    if (!number) return Quoted(words.front(), "is not a game number (0 to 10461394943999)");
    return CellsOf(DecodeGameNumber(*number));
  }
  if (words.size() != 16)
    return "expected a game number or 16 numbers, found " + std::to_string(words.size()) + " words";
  shortest::Cells cells{};
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const std::string_view word = words[c];
    if (!AllDigits(word) || word.size() > 2 || std::stoi(std::string(word)) > 15)
      return Quoted(word, "is not a number from 0 to 15");
    cells[c] = static_cast<std::uint8_t>(std::stoi(std::string(word)));
  }
  if (!shortest::IsPermutation(cells)) return std::string("the 16 numbers are not a permutation of 0 to 15");
  if (!shortest::IsSolvable(cells)) return std::string("this position cannot be solved");
  return cells;
}

}  // namespace quarvel::solve
