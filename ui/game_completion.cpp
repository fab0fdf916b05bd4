#include "ui/game_completion.h"

#include "game/game_clock.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"
#include "ui/shortest_note.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

// Asks until the answer is acceptable; an empty answer or a cancel gives nothing.
std::string AskWinnerName(Dialogs& dialogs) {
  for (;;) {
    auto answer = dialogs.AskInput(Text(TextId::CongratulationsTitle), Text(TextId::NamePrompt),
                                   kNamePromptPosition.Left, kNamePromptPosition.Top);
    if (!answer) return {};
    if (CountCharacters(*answer) >= 15) {
      dialogs.ShowMessage(Text(TextId::ErrorTitle), Text(TextId::NameTooLong));
      continue;
    }
    if (answer->find('"') != std::string::npos) {
      dialogs.ShowMessage(Text(TextId::ErrorTitle), Text(TextId::NameHasQuotes));
      continue;
    }
    if (HasControlCharacter(*answer)) {
      dialogs.ShowMessage(Text(TextId::ErrorTitle), Text(TextId::NameHasControlCharacters));
      continue;
    }
    return *answer;
  }
}

}  // namespace

std::string CongratulationText(const HoursMinutesSeconds& time) {
  // A sentence for each unit that is 0 or not, so that a language may leave a 0 out;
  // indexed [hours > 0][minutes > 0][seconds > 0].
  static constexpr TextId kSentences[2][2][2] = {{{TextId::WinningTimeNoTime, TextId::WinningTimeSecondsOnly},
                                                  {TextId::WinningTimeMinutesOnly, TextId::WinningTimeUnderAnHour}},
                                                 {{TextId::WinningTimeHoursOnly, TextId::WinningTimeNoMinutes},
                                                  {TextId::WinningTimeNoSeconds, TextId::WinningTime}}};
  return Text(kSentences[time.hours > 0][time.minutes > 0][time.seconds > 0],
              {{"hours", CountedText(TextId::Hours, time.hours)},
               {"minutes", CountedText(TextId::Minutes, time.minutes)},
               {"seconds", CountedText(TextId::Seconds, time.seconds)}});
}

bool QualifiesForFame(std::int64_t hours, double timeDays, const FameSummary& fame) {
  return hours < 1 && (timeDays < fame.SlowestFameTime || fame.FameCount < kMaxFameEntries);
}

void CompleteGame(ProgramState& state, MainWindowState& window, Services& services) {
  if (state.SolverUsed) {
    EndAssistedGame(state, window, services);
    return;
  }
  state.GameInProgress = false;
  window.enabled.SetBetweenGames();

  state.wonByPlayer = true;
  window.gameNumberNote = ShortestSolutionNote(state);
  const std::int64_t seconds = ElapsedSeconds(state, services.clock);
  const double timeDays = static_cast<double>(seconds) / 86400.0;
  window.clockText = FormatClockText(seconds);
  const HoursMinutesSeconds time = SplitSeconds(seconds);
  services.dialogs.ShowMessage(Text(TextId::CongratulationsTitle), CongratulationText(time));
  RefreshFameSummary(state, services);
  if (!QualifiesForFame(time.hours, timeDays, state)) return;

  const std::string name = AskWinnerName(services.dialogs);
  if (name.empty()) return;
  InsertFameEntry(state, services, state.playedGameNumber, name, timeDays);
  window.enabled.hallOfFame = true;
}

void EndAssistedGame(SolverGame& state, MainWindowState& window, Services& services) {
  state.GameInProgress = false;
  state.SolverUsed = false;
  state.solver.CancelManoeuvre();
  window.enabled.SetBetweenGames();
  services.dialogs.ShowMessage(Text(TextId::GameOverTitle), Text(TextId::AssistedGameOver));
}

}  // namespace quarvel
