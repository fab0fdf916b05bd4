#include "solve_cli/position_line.h"

#include <vector>

#include "core/quoted_text.h"
#include "game/game_number.h"

namespace quarvel::solve {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The words of a line, separated by blanks or by commas, or the number of the first empty
// field: nothing but blanks before a comma, between two commas or after the last comma.
std::variant<std::vector<std::string_view>, std::size_t> Words(std::string_view line) {
  std::vector<std::string_view> words;
  bool comma = false;
  bool wordSinceComma = false;  // since the last comma, or since the start of the line
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ',') {
      if (!wordSinceComma) return words.size() + 1;
      comma = true;
      wordSinceComma = false;
      ++i;
    } else if (IsBlank(line[i])) {
      ++i;
    } else {
      const std::size_t start = i;
      while (i < line.size() && line[i] != ',' && !IsBlank(line[i])) ++i;
      words.push_back(line.substr(start, i - start));
      wordSinceComma = true;
    }
  }
  if (comma && !wordSinceComma) return words.size() + 1;
  return words;
}

bool AllDigits(std::string_view word) {
  if (word.empty()) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::variant<Position, std::string> ReadPosition(std::string_view line) {
  const bool endsInReturn = !line.empty() && line.back() == '\r';
  if (endsInReturn) line.remove_suffix(1);
  // The word in double quotes, then the reason; a word that ends the line is quoted with the
  // line's CR, so that the CR shows.
  const auto quoted = [&](std::string_view word, std::string_view why) {
    if (endsInReturn && word.data() + word.size() == line.data() + line.size()) word = {word.data(), word.size() + 1};
    return QuotedText(word).append(" ").append(why);
  };
  const auto split = Words(line);
  if (const auto* empty = std::get_if<std::size_t>(&split)) return "field " + std::to_string(*empty) + " is empty";
  const std::vector<std::string_view>& words = std::get<std::vector<std::string_view>>(split);
  if (words.empty()) return std::string("empty line");
  if (words.size() == 1) {
    const auto number = ParseGameNumber(words.front());
    if (!number) return quoted(words.front(), "is not a game number (0 to 10461394943999)");
    return DecodeGameNumber(*number);
  }
  if (words.size() != 16)
    return "expected a game number or 16 numbers, found " + std::to_string(words.size()) + " words";
  Position::Cells cells{};
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const std::string_view word = words[c];
    if (!AllDigits(word) || word.size() > 2 || std::stoi(std::string(word)) > 15)
      return quoted(word, "is not a number from 0 to 15");
    cells[c] = static_cast<std::uint8_t>(std::stoi(std::string(word)));
  }
  const auto position = Position::FromCells(cells);
  if (!position) return std::string("the 16 numbers are not a permutation of 0 to 15");
  if (!position->IsSolvable()) return std::string("this position cannot be solved");
  return *position;
}

}  // namespace quarvel::solve
