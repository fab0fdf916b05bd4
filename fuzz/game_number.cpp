// Game numbers: any text is either refused or a number in range, and every number in
// range decodes to a solvable arrangement of the 16 cells that encodes back to a number
// decoding to the same arrangement.
#include "game/game_number.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The textbook rule: inversions among the tiles plus the blank's row from the bottom is odd.
bool Solvable(const quarvel::Position::Cells& p) {
  int inversions = 0, blankRow = 0;
  for (std::size_t i = 0; i < 16; ++i) {
    if (p[i] == 0) {
      blankRow = 4 - static_cast<int>(i / 4);
      continue;
    }
    for (std::size_t j = i + 1; j < 16; ++j)
      if (p[j] != 0 && p[j] < p[i]) ++inversions;
  }
  return (inversions + blankRow) % 2 == 1;
}

void CheckNumber(std::uint64_t n) {
  using namespace quarvel;
  const Position p = DecodeGameNumber(n);
  bool seen[16] = {};
  for (const std::uint8_t tile : p.cells()) {
    Require(tile < 16 && !seen[tile]);
    seen[tile] = true;
  }
  Require(Solvable(p.cells()));
  const std::uint64_t again = EncodeGameNumberValue(p);
  Require(again <= kLargestGameNumber);
  Require(DecodeGameNumber(again) == p);
  Require(EncodeGameNumber(p) == std::to_string(again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view trimmed = TrimBlanks(text);
  Require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  if (const auto n = ParseGameNumber(trimmed)) {
    Require(*n <= kLargestGameNumber && !trimmed.empty() && trimmed.size() <= 14);
    Require(trimmed.find_first_not_of("0123456789") == std::string_view::npos);
    CheckNumber(*n);
  } else {
    // Refused: not 1 to 14 digits, or above the largest number.
    const bool digits =
        !trimmed.empty() && trimmed.size() <= 14 && trimmed.find_first_not_of("0123456789") == std::string_view::npos;
    Require(!digits || std::stoull(std::string(trimmed)) > kLargestGameNumber);
  }
  // The first eight bytes as a number in range, decoded directly.
  if (size >= 8) {
    std::uint64_t raw;
    std::memcpy(&raw, data, 8);
    CheckNumber(raw % (kLargestGameNumber + 1));
  }
  return 0;
}
