#pragma once
// The game number: the rank of a start position, from which the position is rebuilt.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/position.h"

namespace quarvel {

inline constexpr std::uint64_t kLargestGameNumber = 10'461'394'943'999;  // 16!/2 − 1

// The rank of the position read as values 1..16 in reading order, the empty cell as 16:
// one digit a cell for cells 1 to 14, in radix 16 down to 3.
std::string EncodeGameNumber(const Position& position);
std::uint64_t EncodeGameNumberValue(const Position& position);

// Rebuilds the solvable position carrying the number; n must not exceed the largest.
Position DecodeGameNumber(std::uint64_t n);

// The value of a game number text: 1 to 14 decimal digits, at most the largest number.
std::optional<std::uint64_t> ParseGameNumber(std::string_view text);

// Leading and trailing blanks (U+0020) removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace quarvel
