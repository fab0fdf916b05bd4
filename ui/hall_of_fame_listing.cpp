#include "ui/hall_of_fame_listing.h"

#include <cstdio>

#include "core/date_time.h"
#include "records/utf8.h"
#include "ui/texts.h"

namespace quarvel {
namespace {

// A field as the listing shows it: control and direction characters as "?", and a field
// holding right-to-left letters isolated (U+2068 ... U+2069), so that it reads in its own
// direction inside its column and the row's columns stay in order from left to right.
struct Shown {
  std::string text;
  std::size_t length = 0;  // in characters, the isolate marks not counted
};

Shown ShownField(const std::string& field) {
  Shown shown;
  bool rightToLeft = false;
  for (std::size_t i = 0; i < field.size(); ++shown.length) {
    const Utf8Character c = DecodeCharacter(field, i);
    if (IsControlCharacter(c.code))
      shown.text += '?';
    else
      shown.text.append(field, i, c.length);
    rightToLeft = rightToLeft || IsRightToLeftCharacter(c.code);
    i += c.length;
  }
  if (rightToLeft) shown.text = "\u2068" + shown.text + "\u2069";
  return shown;
}

// The field in a column of `width` characters, padded with blanks. A field too long for its
// column (only a hand-edited file holds one) is shown whole and followed by one blank, so
// nothing of it is lost and it stays apart from the next column.
std::string Column(const std::string& field, std::size_t width) {
  const Shown shown = ShownField(field);
  return shown.text + std::string(shown.length < width ? width - shown.length : 1, ' ');
}

}  // namespace

std::string FameListingLine(const FameEntry& entry) {
  const HoursMinutesSeconds time = SplitElapsed(0, entry.Time);
  char minutes[8], seconds[8];
  std::snprintf(minutes, sizeof minutes, "%02d", time.minutes);
  std::snprintf(seconds, sizeof seconds, "%02d", time.seconds);
  const std::string clock = Text(TextId::FameTime, {{"minutes", minutes}, {"seconds", seconds}});
  return Column(entry.Name, 15) + Column(entry.GameNumber, 16) + " " + Column(clock, 11) + ShownField(entry.Date).text;
}

std::string FameListingHeading() {
  return Column(Text(TextId::FameHeadingName), 15) + Column(Text(TextId::FameHeadingGameNumber), 17) +
         Column(Text(TextId::FameHeadingTime), 11) + Text(TextId::FameHeadingDate);
}

std::string BuildFameListing(const std::vector<FameEntry>& entries) {
  std::string listing = FameListingHeading() + "\r\n\r\n";
  for (const FameEntry& entry : entries) listing += FameListingLine(entry) + "\r\n";
  return listing;
}

}  // namespace quarvel
