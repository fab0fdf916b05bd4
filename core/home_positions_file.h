#pragma once
// Reader of quarvel.dat, the home positions shipped with the program.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/position.h"

namespace quarvel {

inline constexpr const char* kHomePositionsFile = "quarvel.dat";
// A larger quarvel.dat is damaged: the positions take about a hundred bytes.
inline constexpr std::uint64_t kHomePositionsFileLimit = std::uint64_t{1} << 20;

// Fields are split at commas and line ends, blanks around them skipped; the first 32
// fields are whole numbers (row then column of tiles 0..15), anything after them is
// ignored. Returns nothing unless every value is 1..4 and the 16 cells are distinct.
std::optional<Position> ParseHomePositions(std::string_view text);

}  // namespace quarvel
