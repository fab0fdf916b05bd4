#pragma once
// The game number: the rank of a start position, from which the position is rebuilt.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/start_position.h"

namespace quarvel {

inline constexpr std::uint64_t kLargestGameNumber = 10'461'394'943'999;  // 16!/2 − 1

std::string EncodeGameNumber(const StartPosition& position);
std::uint64_t EncodeGameNumberValue(const StartPosition& position);

// Rebuilds the solvable arrangement carrying the number; n must not exceed the largest.
StartPosition DecodeGameNumber(std::uint64_t n);

// The value of a game number text: 1 to 14 decimal digits, at most the largest number.
std::optional<std::uint64_t> ParseGameNumber(std::string_view text);

// Leading and trailing blanks (U+0020) removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace quarvel
