#include "records/saved_games_file.h"

#include <algorithm>
#include <optional>

#include "records/text_lines.h"
#include "records/utf8.h"

namespace quarvel {
namespace {

// Shorter first, then by character code.
bool SortsBefore(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

// Where the number's line goes in a file as Save writes it; nothing for any other file.
std::optional<std::size_t> SpliceOffset(std::string_view text, std::string_view number) {
  std::optional<std::size_t> at;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\r', start);
    if (end == std::string_view::npos || end == start || end + 1 >= text.size() || text[end + 1] != '\n')
      return std::nullopt;  // a blank line, a line without CR LF, or the file ends after CR
    const std::string_view line = text.substr(start, end - start);
    for (const char c : line)
      if (c == '\n' || static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    if (!at && SortsBefore(number, line)) at = start;
    start = end + 2;
  }
  return at ? *at : text.size();
}

}  // namespace

std::vector<std::string> ParseSavedGames(std::string_view text) {
  std::vector<std::string> numbers;
  ForEachLine(text, [&](std::string_view line) {
    if (!line.empty()) numbers.emplace_back(line);
  });
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
  auto at =
      std::find_if(numbers.begin(), numbers.end(), [&](const std::string& line) { return SortsBefore(number, line); });
  numbers.insert(at, number);
}

std::string InsertIntoSavedGamesText(std::string_view text, const std::string& number) {
  if (const auto at = SpliceOffset(text, number)) {
    std::string spliced;
    spliced.reserve(text.size() + number.size() + 2);
    spliced.append(text.substr(0, *at)).append(number).append("\r\n").append(text.substr(*at));
    return spliced;
  }
  // Any other file is rewritten line by line, straight from its bytes into a text of the
  // exact size, so that a rewrite holds little more than the old and the new text.
  const auto rewrite = [&](auto&& emit) {
    bool inserted = false;
    ForEachLine(text, [&](std::string_view raw) {
      if (raw.empty()) return;
      const std::string line = ToUtf8Lenient(raw);
      if (!inserted && SortsBefore(number, line)) {
        emit(number);
        inserted = true;
      }
      emit(line);
    });
    if (!inserted) emit(number);
  };
  std::size_t size = 0;
  rewrite([&](std::string_view line) { size += line.size() + 2; });
  std::string rewritten;
  rewritten.reserve(size);
  rewrite([&](std::string_view line) { rewritten.append(line).append("\r\n"); });
  return rewritten;
}

}  // namespace quarvel
