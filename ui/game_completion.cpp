#include "ui/game_completion.h"

#include "game/game_clock.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"

namespace quarvel {
namespace {

std::string Counted(std::int64_t n, const char* one, const char* many) {
  std::string text = std::to_string(n);
  text.append(n == 1 ? one : many);
  return text;
}

// Asks until the answer is acceptable; an empty answer or a cancel gives nothing.
std::string AskWinnerName(Dialogs& dialogs) {
  for (;;) {
    auto answer = dialogs.AskInput(
        "Congratulations!", "Please provide your name (max. 14 characters) for the Hall of Fame.",
        kNamePromptPosition.Left, kNamePromptPosition.Top);
    if (!answer) return {};
    if (CountCharacters(*answer) >= 15) {
      dialogs.ShowMessage("Error!", "The name you provide must contain fewer than 15 characters.");
      continue;
    }
    if (answer->find('"') != std::string::npos) {
      dialogs.ShowMessage("Error!", "The name you provide must not contain double quotes.");
      continue;
    }
    if (HasControlCharacter(*answer)) {
      dialogs.ShowMessage("Error!", "The name you provide must not contain line breaks or other control characters.");
      continue;
    }
    return *answer;
  }
}

}  // namespace

std::string CongratulationText(const HoursMinutesSeconds& time) {
  std::string text = "Congratulations, your winning time was ";
  if (time.hours != 0) text += Counted(time.hours, " hour", " hours");
  text.append(" ").append(Counted(time.minutes, " minute", " minutes"));
  text.append(" ").append(Counted(time.seconds, " second.", " seconds."));
  return text;
}

bool QualifiesForFame(std::int64_t hours, double timeDays, const GameState& state) {
  return hours < 1 && (timeDays < state.SlowestFameTime || state.FameCount < kMaxFameEntries);
}

void CompleteGame(GameState& state, MainWindowState& window, Services& services) {
  if (state.SolverUsed) {
    EndAssistedGame(state, window, services);
    return;
  }
  state.GameInProgress = false;
  window.commands.SetBetweenGames();

  state.WonByPlayer = true;
  const std::int64_t seconds = ElapsedSeconds(state, services.clock);
  const double timeDays = static_cast<double>(seconds) / 86400.0;
  window.Text3 = FormatClockText(seconds);
  const HoursMinutesSeconds time = SplitSeconds(seconds);
  services.dialogs.ShowMessage("Congratulations!", CongratulationText(time));
  RefreshFameSummary(state, services);
  if (!QualifiesForFame(time.hours, timeDays, state)) return;

  const std::string name = AskWinnerName(services.dialogs);
  if (name.empty()) return;
  InsertFameEntry(state, services, name, timeDays);
  window.commands.HallOfFame = true;
}

void EndAssistedGame(GameState& state, MainWindowState& window, Services& services) {
  state.GameInProgress = false;
  state.SolverUsed = false;
  state.solver.CancelManoeuvre();
  window.commands.SetBetweenGames();
  services.dialogs.ShowMessage("Game Over!", "Game completed with help from Show Me! routine.");
}

}  // namespace quarvel
