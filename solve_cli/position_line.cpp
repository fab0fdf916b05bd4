#include "solve_cli/position_line.h"

#include <vector>

#include "game/game_number.h"

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

constexpr std::size_t kQuotedCharacters = 40;

// Length of the UTF-8 sequence at the start of `text` when it is a whole printable
// character beyond ASCII, else 0.
std::size_t PrintableSequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80) return 0;
  const unsigned second = byte(1);
  const bool overlong = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
  const bool beyond = (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);  // surrogates, > U+10FFFF
  const bool c1Control = lead == 0xC2 && second < 0xA0;
  return overlong || beyond || c1Control ? 0 : length;
}

// The word as it may be shown on a terminal: at most kQuotedCharacters characters, then
// "..."; control and invalid bytes written as escapes (\r, \x1b), backslashes and
// quotes escaped.
std::string Printable(std::string_view word) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  std::size_t shown = 0;
  for (std::size_t i = 0; i < word.size(); ++shown) {
    if (shown == kQuotedCharacters) return text + "...";
    const auto c = static_cast<unsigned char>(word[i]);
    if (const std::size_t length = PrintableSequence(word.substr(i))) {
      text.append(word.substr(i, length));
      i += length;
      continue;
    }
    ++i;
    if (c == '\\' || c == '"')
      text.append({'\\', static_cast<char>(c)});
    else if (c == '\r')
      text.append("\\r");
    else if (c == '\n')
      text.append("\\n");
    else if (c == '\t')
      text.append("\\t");
    else if (c < 0x20 || c >= 0x7F)
      text.append({'\\', 'x', kHex[c >> 4], kHex[c & 15]});
    else
      text.push_back(static_cast<char>(c));
  }
  return text;
}

// The word in double quotes, then the reason.
std::string Quoted(std::string_view word, std::string_view why) {
  std::string text = "\"";
  text.append(Printable(word)).append("\" ").append(why);
  return text;
}

bool AllDigits(std::string_view word) {
  if (word.empty()) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

std::variant<Position, std::string> ReadPosition(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::vector<std::string_view> words = Words(line);
  if (words.empty()) return std::string("empty line");
  if (words.size() == 1) {
    const auto number = ParseGameNumber(words.front());
    if (!number) return Quoted(words.front(), "is not a game number (0 to 10461394943999)");
    return DecodeGameNumber(*number);
  }
  if (words.size() != 16)
    return "expected a game number or 16 numbers, found " + std::to_string(words.size()) + " words";
  Position::Cells cells{};
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const std::string_view word = words[c];
    if (!AllDigits(word) || word.size() > 2 || std::stoi(std::string(word)) > 15)
      return Quoted(word, "is not a number from 0 to 15");
    cells[c] = static_cast<std::uint8_t>(std::stoi(std::string(word)));
  }
  const auto position = Position::FromCells(cells);
  if (!position) return std::string("the 16 numbers are not a permutation of 0 to 15");
  if (!position->IsSolvable()) return std::string("this position cannot be solved");
  return *position;
}

}  // namespace quarvel::solve
