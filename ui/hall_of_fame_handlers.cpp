// The Hall of Fame window's event handlers.
#include "records/hall_of_fame_file.h"
#include "records/utf8.h"
#include "ui/hall_of_fame_listing.h"
#include "ui/program.h"

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
  const auto content = services_.files.Read(kFameFile, kFameFileLimit);
  if (!content) throw FileFailure(FileAction::Read, kFameFile, FileProblem::NoLongerExists);
  windows_.listing = BuildFameListing(ParseFameFile(ToUtf8Lenient(*content)));
}

}  // namespace quarvel
