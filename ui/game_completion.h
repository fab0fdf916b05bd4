#pragma once
// The end of a game: won by the player, or completed with the help of "Show Me!".
#include <cstdint>
#include <string>

#include "core/date_time.h"
#include "core/game_state.h"
#include "core/platform.h"
#include "ui/program_state.h"
#include "ui/window_state.h"

namespace quarvel {

// "Congratulations, your winning time was ..." for the split winning time.
std::string CongratulationText(const HoursMinutesSeconds& time);

// Whether a win of `hours` whole hours (counted in total, never folded into days) and
// `timeDays` days enters the Hall of Fame.
bool QualifiesForFame(std::int64_t hours, double timeDays, const FameSummary& fame);

// Runs when a player's click has left the board solved.
void CompleteGame(ProgramState& state, MainWindowState& window, Services& services);

// Ends a game the solver helped with, whoever made the last move: no time, no Hall of
// Fame, the "Game Over!" notice.
void EndAssistedGame(SolverGame& state, MainWindowState& window, Services& services);

}  // namespace quarvel
