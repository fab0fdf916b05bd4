#include "ui/hall_of_fame_listing.h"

#include <cstdio>

#include "core/date_time.h"
#include "records/utf8.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

// The text in a column of `width` characters, padded with blanks. A text too long for its
// column (only a hand-edited file holds one) is shown whole and followed by one blank, so
// nothing of it is lost and it stays apart from the next column. Control characters are
// shown as "?".
std::string Column(const std::string& text, std::size_t width) {
  std::string shown;
  for (char c : text) shown += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
  const std::size_t length = CountCharacters(shown);
  return shown + std::string(length < width ? width - length : 1, ' ');
}

}  // namespace

std::string FameListingLine(const FameEntry& entry) {
  const HoursMinutesSeconds time = SplitElapsed(0, entry.Time);
  char clock[32];
  std::snprintf(clock, sizeof clock, " %02dM  %02dS   ", time.minutes, time.seconds);
  return Column(entry.Name, 15) + Column(entry.GameNumber, 16) + clock + entry.Date;
}

std::string FameListingHeading() {
  return Column(Text(TextId::FameHeadingName), 15) + Column(Text(TextId::GameNumberLabel), 17) +
         Column(Text(TextId::FameHeadingTime), 11) + Text(TextId::FameHeadingDate);
}

std::string BuildFameListing(const std::vector<FameEntry>& entries) {
  std::string listing = FameListingHeading() + "\r\n\r\n";
  for (const FameEntry& entry : entries) listing += FameListingLine(entry) + "\r\n";
  return listing;
}

}  // namespace quarvel
