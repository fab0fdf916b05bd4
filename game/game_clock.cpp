#include "game/game_clock.h"

namespace quarvel {

std::int64_t ElapsedSeconds(const GameState& state, Clock& clock) {
  const std::int64_t ms = clock.MonotonicMs() - state.startMonotonicMs;
  return ms > 0 ? ms / 1000 : 0;
}

std::optional<std::string> ClockTick(const GameState& state, Clock& clock) {
  if (!state.GameInProgress || state.SolverUsed) return std::nullopt;
  return FormatClockText(ElapsedSeconds(state, clock));
}

}  // namespace quarvel
