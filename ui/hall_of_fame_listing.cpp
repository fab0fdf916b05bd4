#include "ui/hall_of_fame_listing.h"

#include <cstdio>
#include <string_view>

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
std::string Padded(const Shown& shown, std::size_t width) {
  return shown.text + std::string(shown.length < width ? width - shown.length : 1, ' ');
}

std::size_t ColumnWidth(std::size_t column) { return kFameColumnStarts[column + 1] - kFameColumnStarts[column]; }

std::string ShownTime(const FameEntry& entry) {
  const HoursMinutesSeconds time = SplitElapsed(0, entry.Time);
  char minutes[8], seconds[8];
  std::snprintf(minutes, sizeof minutes, "%02d", time.minutes);
  std::snprintf(seconds, sizeof seconds, "%02d", time.seconds);
  return Text(TextId::FameTime, {{"minutes", minutes}, {"seconds", seconds}});
}

// The isolate marks ShownField puts around a right-to-left field (any such character of the
// field itself is shown as "?").
constexpr std::string_view kIsolateStart = "\u2068", kIsolateEnd = "\u2069";

std::string Cut(const std::string& shown) {
  const bool isolated = shown.starts_with(kIsolateStart);
  const std::string_view text =
      isolated ? std::string_view(shown).substr(kIsolateStart.size(), shown.size() - 2 * kIsolateStart.size())
               : std::string_view(shown);
  if (CountCharacters(text) <= kFameFieldShownLength) return shown;
  std::size_t end = 0;
  for (std::size_t k = 0; k + 1 < kFameFieldShownLength; ++k) end += DecodeCharacter(text, end).length;
  std::string cut = std::string(text.substr(0, end)) + "\u2026";
  return isolated ? std::string(kIsolateStart) + cut + std::string(kIsolateEnd) : cut;
}

FameColumns HeadingColumns() {
  return {Text(TextId::FameHeadingName), Text(TextId::FameHeadingGameNumber), Text(TextId::FameHeadingTime),
          Text(TextId::FameHeadingDate)};
}

}  // namespace

std::string FameListingLine(const FameEntry& entry) {
  // The game number's field leaves the last character of its column blank, before the time.
  return Padded(ShownField(entry.Name), ColumnWidth(0)) + Padded(ShownField(entry.GameNumber), ColumnWidth(1) - 1) +
         " " + Padded(ShownField(ShownTime(entry)), ColumnWidth(2)) + ShownField(entry.Date).text;
}

std::string FameListingHeading() {
  const FameColumns heading = HeadingColumns();
  std::string line;
  for (std::size_t k = 0; k + 1 < heading.size(); ++k) line += Padded(ShownField(heading[k]), ColumnWidth(k));
  return line + heading.back();
}

std::string BuildFameListing(const std::vector<FameEntry>& entries) {
  std::string listing = FameListingHeading() + "\r\n\r\n";
  for (const FameEntry& entry : entries) listing += FameListingLine(entry) + "\r\n";
  return listing;
}

std::vector<FameColumns> BuildFameListingColumns(const std::vector<FameEntry>& entries) {
  FameColumns heading = HeadingColumns();
  for (std::string& text : heading) text = ShownField(text).text;
  std::vector<FameColumns> lines{heading};
  for (const FameEntry& entry : entries)
    lines.push_back({ShownField(entry.Name).text, ShownField(entry.GameNumber).text, ShownTime(entry),
                     ShownField(entry.Date).text});
  return lines;
}

FameColumns CutFameColumns(const FameColumns& line) {
  FameColumns cut = line;
  cut[0] = Cut(line[0]);
  cut[1] = Cut(line[1]);
  return cut;
}

}  // namespace quarvel
