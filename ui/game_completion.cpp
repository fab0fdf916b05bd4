#include "ui/game_completion.h"

#include <optional>

#include "game/game_clock.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"
#include "ui/shortest_note.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

// The reason a name cannot enter the Hall of Fame, if any.
std::optional<TextId> NameRefusal(const std::string& name) {
  if (CountCharacters(name) >= 15) return TextId::NameTooLong;
  if (name.find('"') != std::string::npos) return TextId::NameHasQuotes;
  if (HasControlCharacter(name)) return TextId::NameHasControlCharacters;
  return std::nullopt;
}

void AskWinnerName(ProgramState& state, MainWindowState& window, Services& services, double timeDays);

// The answer to the name prompt: a name refused is asked for again; an empty answer or a
// cancel ends the game without an entry.
void TakeWinnerName(ProgramState& state, MainWindowState& window, Services& services, double timeDays,
                    const BoxAnswer& answer) {
  if (!answer) return;
  if (const auto refusal = NameRefusal(*answer)) {
    services.boxes.Message(Text(TextId::ErrorTitle), Text(*refusal), [&state, &window, &services, timeDays] {
      AskWinnerName(state, window, services, timeDays);
    });
    return;
  }
  if (answer->empty()) return;
  InsertFameEntry(state.fame, services, state.game.playedGameNumber, *answer, timeDays);
  services.boxes.AfterStored(services.files.Storing(), kFameFile, [&window] { window.enabled.hallOfFame = true; });
}

void AskWinnerName(ProgramState& state, MainWindowState& window, Services& services, double timeDays) {
  services.boxes.AskName(Text(TextId::CongratulationsTitle), Text(TextId::NamePrompt), kNamePromptPosition.Left,
                         kNamePromptPosition.Top, [&state, &window, &services, timeDays](const BoxAnswer& answer) {
                           TakeWinnerName(state, window, services, timeDays, answer);
                         });
}

// After the congratulation: a time good enough for the Hall of Fame asks for a name,
// unless no record is kept, which the winner is told in plain words instead.
void OfferFameEntry(ProgramState& state, MainWindowState& window, Services& services, std::int64_t hours,
                    double timeDays) {
  RefreshFameSummary(state.fame, services);
  if (!QualifiesForFame(hours, timeDays, state.fame)) return;
  if (!services.files.KeepsRecords()) {
    services.boxes.Message(Text(TextId::CongratulationsTitle), Text(TextId::NoRecordsKeptForFame));
    return;
  }
  AskWinnerName(state, window, services, timeDays);
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
  SolverGame& game = state.game;
  if (game.SolverUsed) {
    EndAssistedGame(game, window, services);
    return;
  }
  game.GameInProgress = false;
  window.enabled.SetBetweenGames();

  game.wonByPlayer = true;
  window.gameNumberNote = ShortestSolutionNote(game);
  const std::int64_t seconds = ElapsedSeconds(game, services.clock);
  const double timeDays = static_cast<double>(seconds) / 86400.0;
  window.clockText = FormatClockText(seconds);
  const HoursMinutesSeconds time = SplitSeconds(seconds);
  services.boxes.Message(Text(TextId::CongratulationsTitle), CongratulationText(time),
                         [&state, &window, &services, hours = time.hours, timeDays] {
                           OfferFameEntry(state, window, services, hours, timeDays);
                         });
}

void EndAssistedGame(SolverGame& state, MainWindowState& window, Services& services) {
  state.GameInProgress = false;
  state.SolverUsed = false;
  state.solver.CancelManoeuvre();
  window.enabled.SetBetweenGames();
  services.boxes.Message(Text(TextId::GameOverTitle), Text(TextId::AssistedGameOver));
}

}  // namespace quarvel
