#include "records/saved_games_file.h"

#include <algorithm>

#include "records/text_lines.h"

namespace quarvel {
namespace {

// Shorter first, then by character code.
bool SortsBefore(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

std::vector<std::string> ParseSavedGames(std::string_view text) {
  std::vector<std::string> numbers;
  for (std::string_view line : SplitLines(text))
    if (!line.empty()) numbers.emplace_back(line);
  return numbers;
}

std::string FormatSavedGames(const std::vector<std::string>& numbers) {
  std::string text;
  std::size_t size = 0;
  for (const auto& n : numbers) size += n.size() + 2;
  text.reserve(size);
  for (const auto& n : numbers) {
    text += n;
    text += "\r\n";
  }
  return text;
}

void InsertSavedGame(std::vector<std::string>& numbers, const std::string& number) {
  // The first line greater than the number; the file's order is taken as it stands.
  auto at = std::find_if(numbers.begin(), numbers.end(),
                         [&](const std::string& line) { return SortsBefore(number, line); });
  numbers.insert(at, number);
}

}  // namespace quarvel
