#include "ui/program.h"

#include <new>

#include "core/home_positions_file.h"
#include "records/hall_of_fame.h"
#include "records/saved_games_file.h"
#include "ui/texts.h"

namespace quarvel {

void Program::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const FileFailure& failure) {
    services_.dialogs.ShowFailure(FailureText(failure));
  } catch (const std::bad_alloc&) {
    // Reported like a failed file: the handler stops and the game goes on.
    services_.dialogs.ShowFailure(Text(TextId::ActionOutOfMemory));
  }
}

bool Program::Start() {
  std::optional<Position> home;
  try {
    if (auto text = services_.files.Read(kHomePositionsFile, kHomePositionsFileLimit, /*followLinks=*/true))
      home = ParseHomePositions(*text);
  } catch (const FileFailure&) {
    // Unreadable counts as missing.
  } catch (const std::bad_alloc&) {
  }
  if (!home) {
    services_.dialogs.ShowMessage(Text(TextId::ErrorTitle),
                                  Text(TextId::HomePositionsDamaged, {{"folder", services_.files.Folder()}}));
    return false;
  }
  state_.home = *home;
  state_.board.position = *home;

  Run([&] {
    const auto report = [&](const FileFailure& failure) { services_.dialogs.ShowFailure(FailureText(failure)); };
    if (!LoadFameSummary(state_, services_, report)) main_.enabled.hallOfFame = false;
  });
  services_.random.ShuffledRandom(-1);
  state_.GameInProgress = false;
  state_.SolverUsed = false;
  state_.solver.CancelManoeuvre();
  Run([&] {
    if (services_.files.Exists(kSavedGamesFile)) main_.enabled.reload = true;
  });
  return true;
}

void Program::Close() {
  services_.shortest.Cancel();
  windows_.hallOfFameLoaded = false;
  windows_.reloadLoaded = false;
  windows_.visible = WindowId::Main;
}

bool Program::ReturnToMain() {
  if (MainWindowUp()) return false;
  windows_.visible = WindowId::Main;
  return true;
}

bool Program::CloseWindow() {
  if (windows_.visible == WindowId::HallOfFame) {
    windows_.hallOfFameLoaded = false;
  } else if (windows_.visible == WindowId::Reload) {
    windows_.reloadLoaded = false;
  } else {
    return false;
  }
  windows_.visible = WindowId::Main;
  return true;
}

}  // namespace quarvel
