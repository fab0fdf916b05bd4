#pragma once
// Directions of a blank move, as `SolverLastMove` records them.
#include <cstdint>

namespace quarvel {

inline constexpr std::int16_t kNoMove = 0;
inline constexpr std::int16_t kBlankLeft = 1;
inline constexpr std::int16_t kBlankRight = 2;
inline constexpr std::int16_t kBlankUp = 3;
inline constexpr std::int16_t kBlankDown = 4;

}  // namespace quarvel
