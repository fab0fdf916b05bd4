#include "game/game_number.h"

namespace quarvel {

std::uint64_t EncodeGameNumberValue(const StartPosition& position) {
  std::uint64_t n = 0;
  for (std::size_t k = 0; k < 14; ++k) {
    std::uint64_t digit = 0;
    for (std::size_t l = k + 1; l < 16; ++l)
      if (position[l] < position[k]) ++digit;
    n = n * (16 - k) + digit;  // radix 16 for cell 1 down to 3 for cell 14
  }
  return n;
}

std::string EncodeGameNumber(const StartPosition& position) { return std::to_string(EncodeGameNumberValue(position)); }

StartPosition DecodeGameNumber(std::uint64_t n) {
  StartPosition position{};
  position[14] = 1;
  position[15] = 2;
  for (std::size_t k = 14; k-- > 0;) {
    const std::uint64_t radix = 16 - k;
    const auto digit = static_cast<std::int16_t>(n % radix);
    n /= radix;
    position[k] = static_cast<std::int16_t>(digit + 1);
    for (std::size_t l = k + 1; l < 16; ++l)
      if (position[l] >= position[k]) ++position[l];
  }
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
