#include "records/hall_of_fame.h"

#include <limits>
#include <memory>
#include <new>

#include "records/hall_of_fame_file.h"
#include "records/record_rewrite.h"
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

// The count and the slowest time as Fame.dat has them now; false when there is no list.
bool ReadFameSummary(FameSummary& fame, Services& services) {
  const auto content = services.files.Read(kFameFile, kFameFileLimit);
  const auto entries = content ? ParseFameFile(ToUtf8Lenient(*content)) : std::vector<FameEntry>{};
  fame.FameCount = CountOf(entries.size());
  fame.SlowestFameTime = !content ? kNoFameTime : entries.empty() ? 0 : entries.back().Time;
  return content.has_value();
}

}  // namespace

bool LoadFameSummary(FameSummary& fame, Services& services, const std::function<void(const FileFailure&)>& report) {
  fame.FameCount = 0;
  fame.SlowestFameTime = kNoFameTime;
  try {
    services.files.Remove(kOldFameFile);
  } catch (const FileFailure& failure) {
    if (report) report(failure);
  }
  return ReadFameSummary(fame, services);
}

void RefreshFameSummary(FameSummary& fame, Services& services) {
  try {
    ReadFameSummary(fame, services);
  } catch (const FileFailure&) {
    // The summary stays as it was; the entry itself reports the file.
  } catch (const std::bad_alloc&) {
  }
}

void InsertFameEntry(FameSummary& fame, Services& services, const std::string& gameNumber, const std::string& name,
                     double timeDays) {
  FameEntry entry{ToUtf8Lenient(name), gameNumber, timeDays, TodayText(services.clock)};
  // The list as the change writes it; shared, since a store may run the change again later.
  auto written = std::make_shared<std::vector<FameEntry>>();
  RewriteRecord(services, kFameFile, kFameScratchFile, kFameFileLimit, LostRecord::FameEntry,
                [entry, written](const std::optional<std::string>& old) {
                  // Lines that cannot be read as entries are dropped here.
                  *written = old ? ParseFameFile(ToUtf8Lenient(*old)) : std::vector<FameEntry>{};
                  InsertRanked(*written, entry, kMaxFameEntries);
                  return FormatFameFile(*written);
                });
  fame.FameCount = CountOf(written->size());
  fame.SlowestFameTime = written->back().Time;
}

}  // namespace quarvel
