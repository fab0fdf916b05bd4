// saved.dat as the game reads it: any bytes are read without harm, what is read is written
// back unchanged, a Save puts its number after every line that is not greater, and its
// fast splice writes what the plain rewrite writes.
#include "records/saved_games_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "records/utf8.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool Greater(const std::string& a, const std::string& b) { return a.size() != b.size() ? a.size() > b.size() : a > b; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string text = ToUtf8Lenient(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto numbers = ParseSavedGames(text);
  for (const std::string& n : numbers) Require(!n.empty() && n.find_first_of("\r\n") == std::string::npos);
  Require(ParseSavedGames(FormatSavedGames(numbers)) == numbers);

  // The number to save: the first line, or a fixed one.
  const std::string number = numbers.empty() ? "907" : numbers.front();
  auto after = numbers;
  InsertSavedGame(after, number);
  Require(after.size() == numbers.size() + 1);
  std::size_t at = 0;
  while (at < numbers.size() && !Greater(numbers[at], number)) ++at;  // the first greater line
  Require(after[at] == number);
  for (std::size_t i = 0; i < numbers.size(); ++i) Require(after[i < at ? i : i + 1] == numbers[i]);

  // Save's fast splice gives the very bytes of the plain rewrite, on the bytes as they
  // came and on the same lines as Save writes them (ASCII, CR LF after every line), with a
  // game number taken from the input.
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  std::string digits = "1";
  for (std::size_t i = 0; i < size && digits.size() < 14; ++i) digits += static_cast<char>('0' + data[i] % 10);
  digits.resize(1 + (size > 0 ? data[0] % 14 : 0));
  std::string tidy;
  for (const std::string& n : numbers) {
    for (const char c : n) tidy += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    tidy += "\r\n";
  }
  for (const std::string_view file : {raw, std::string_view(tidy)}) {
    for (const std::string& n : {digits, number}) {
      auto lines = ParseSavedGames(ToUtf8Lenient(file));
      InsertSavedGame(lines, n);
      Require(InsertIntoSavedGamesText(file, n) == FormatSavedGames(lines));
    }
  }
  return 0;
}
