#pragma once
// Reader of quarvel.dat, the home positions shipped with the program.
#include <optional>
#include <string_view>

#include "core/board.h"

namespace quarvel {

inline constexpr const char* kHomePositionsFile = "quarvel.dat";
inline constexpr const char* kHomePositionsDamaged =
    "The file quarvel.dat is missing or damaged; Quarvel Orbix cannot start.";

// Fields are split at commas and line ends, blanks around them skipped; the first 32
// fields are whole numbers (row then column of tiles 0..15), anything after them is
// ignored. Returns nothing unless every value is 1..4 and the 16 cells are distinct.
std::optional<BoardTable> ParseHomePositions(std::string_view text);

}  // namespace quarvel
