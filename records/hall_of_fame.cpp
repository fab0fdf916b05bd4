#include "records/hall_of_fame.h"

#include <limits>
#include <new>

#include "records/hall_of_fame_file.h"
#include "records/utf8.h"

namespace quarvel {
namespace {

std::string TodayText(Clock& clock) {
  const CivilTime today = ToCivil(clock.Now());
  return FormatFameDate(clock.MonthAbbreviation(today.month), today.day, today.year);
}

std::int16_t CountOf(std::size_t n) {
  return static_cast<std::int16_t>(std::min<std::size_t>(n, std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

bool LoadFameSummary(GameState& state, Services& services) {
  state.FameCount = 0;
  state.SlowestFameTime = kNoFameTime;
  try {
    services.files.Remove(kOldFameFile);
  } catch (const FileFailure& failure) {
    services.dialogs.ShowFailure(failure.what());  // the list is read all the same
  }
  const auto content = services.files.Read(kFameFile, kFameFileLimit);
  if (!content) return false;
  const auto entries = ParseFameFile(ToUtf8Lenient(*content));
  state.FameCount = CountOf(entries.size());
  state.SlowestFameTime = entries.empty() ? 0 : entries.back().Time;
  return true;
}

void RefreshFameSummary(GameState& state, Services& services) {
  try {
    const auto content = services.files.Read(kFameFile, kFameFileLimit);
    const auto entries = content ? ParseFameFile(ToUtf8Lenient(*content)) : std::vector<FameEntry>{};
    state.FameCount = CountOf(entries.size());
    state.SlowestFameTime = !content ? kNoFameTime : entries.empty() ? 0 : entries.back().Time;
  } catch (const FileFailure&) {
    // The summary stays as it was; the entry itself reports the file.
  } catch (const std::bad_alloc&) {
  }
}

void InsertFameEntry(GameState& state, Services& services, const std::string& name, double timeDays) {
  FameEntry entry{ToUtf8Lenient(name), state.PlayedGameNumber, timeDays, TodayText(services.clock)};
  std::vector<FameEntry> written;
  const std::string notRecorded = std::string("Your entry was not recorded in ") + kFameFile + ". ";
  try {
    HourglassWhile waiting(services.windows);  // the folder may be locked for a moment
    services.files.Rewrite(kFameFile, kFameScratchFile, kFameFileLimit, [&](const std::optional<std::string>& old) {
      // Lines that cannot be read as entries are dropped here.
      written = old ? ParseFameFile(ToUtf8Lenient(*old)) : std::vector<FameEntry>{};
      InsertRanked(written, entry, kMaxFameEntries);
      return FormatFameFile(written);
    });
  } catch (const FileFailure& failure) {
    throw FileFailure(notRecorded + failure.what());
  } catch (const std::bad_alloc&) {
    throw FileFailure(notRecorded + "There is not enough memory.");
  }
  state.FameCount = CountOf(written.size());
  state.SlowestFameTime = written.back().Time;
}

}  // namespace quarvel
