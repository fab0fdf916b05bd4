// The Hall of Fame and Reload Game windows' event handlers.
#include <algorithm>

#include "records/hall_of_fame_file.h"
#include "records/saved_games_file.h"
#include "records/utf8.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/program.h"
#include "ui/texts.h"

namespace quarvel {

bool Program::ClickHallOfFame() {
  if (!MainWindowUp() || !main_.enabled.hallOfFame) return false;
  Run([&] { ShowHallOfFame(); });
  return true;
}

void Program::ShowHallOfFame() {
  windows_.visible = WindowId::HallOfFame;
  windows_.hallOfFameLoaded = true;
  windows_.listing.clear();
  windows_.listingColumns.clear();
  ++windows_.listingVersion;
  const auto content = services_.files.Read(kFameFile, kFameFileLimit);
  if (!content) throw FileFailure(FileAction::Read, kFameFile, FileProblem::NoLongerExists);
  const std::vector<FameEntry> entries = ParseFameFile(ToUtf8Lenient(*content));
  windows_.listing = BuildFameListing(entries);
  windows_.listingColumns = BuildFameListingColumns(entries);
  ++windows_.listingVersion;
}

bool Program::ClickReload() {
  if (!MainWindowUp() || !main_.enabled.reload) return false;
  Run([&] { ShowReloadWindow(); });
  return true;
}

void Program::ShowReloadWindow() {
  if (!services_.files.Exists(kSavedGamesFile)) {
    services_.boxes.Message(Text(TextId::ErrorTitle), Text(TextId::NoSavedGames));
    return;
  }
  windows_.visible = WindowId::Reload;
  windows_.reloadLoaded = true;
  // Activate: the list is filled afresh and the edit field emptied.
  windows_.savedList.clear();
  windows_.comboText.clear();
  ++windows_.savedListVersion;
  const auto content = services_.files.Read(kSavedGamesFile, kSavedGamesFileLimit);
  if (!content) throw FileFailure(FileAction::Read, kSavedGamesFile, FileProblem::NoLongerExists);
  windows_.savedList = ParseSavedGames(ToUtf8Lenient(*content));
  ++windows_.savedListVersion;
}

bool Program::PickSavedGame(const std::string& entry) {
  if (windows_.visible != WindowId::Reload) return false;
  const auto& list = windows_.savedList;
  if (std::find(list.begin(), list.end(), entry) == list.end()) return false;
  windows_.comboText = entry;  // the drop-down shows the picked entry
  Run([&] {
    if (StartGameFromText(entry)) windows_.visible = WindowId::Main;
  });
  return true;
}

}  // namespace quarvel
