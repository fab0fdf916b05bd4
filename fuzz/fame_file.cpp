// Fame.dat as the game reads it: any bytes are read without harm, what is read is written
// back unchanged, a rewrite holds exactly the ranked entries, and the listing keeps its
// columns, which no character of a field can reorder.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "records/hall_of_fame_file.h"
#include "records/text_lines.h"
#include "records/utf8.h"
#include "ui/hall_of_fame_listing.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The listing's lines, split at CR LF as the window shows them (not as a file is read: a
// name may begin with a byte order mark).
std::vector<std::string_view> ListingLines(std::string_view listing) {
  std::vector<std::string_view> lines;
  for (std::size_t end; (end = listing.find("\r\n")) != std::string_view::npos; listing.remove_prefix(end + 2))
    lines.push_back(listing.substr(0, end));
  Require(listing.empty());  // every line ends with CR LF
  return lines;
}

// A field as the listing shows it: each control or direction character as one "?", and
// a field holding right-to-left letters between isolate marks.
std::string Shown(const std::string& field) {
  std::string shown;
  bool rightToLeft = false;
  for (std::size_t i = 0; i < field.size();) {
    const quarvel::Utf8Character c = quarvel::DecodeCharacter(field, i);
    shown += quarvel::IsControlCharacter(c.code) ? std::string("?") : field.substr(i, c.length);
    rightToLeft = rightToLeft || quarvel::IsRightToLeftCharacter(c.code);
    i += c.length;
  }
  return rightToLeft ? "\u2068" + shown + "\u2069" : shown;
}

// Padded to the column's width, or followed by one blank when as wide or wider.
std::string Padded(const std::string& field, std::size_t width) {
  const std::size_t length = quarvel::CountCharacters(field);
  return Shown(field) + std::string(length < width ? width - length : 1, ' ');
}

// No character of the line but the isolate marks can reorder it or break it.
bool Defaced(std::string_view line) {
  std::string rest(line);
  for (const char* mark : {"\u2068", "\u2069"})
    for (std::size_t at; (at = rest.find(mark)) != std::string::npos;) rest.erase(at, 3);
  return quarvel::HasControlCharacter(rest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string text = ToUtf8Lenient(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(ToUtf8Lenient(text) == text);  // the reading is valid UTF-8 already

  const auto entries = ParseFameFile(text);
  Require(ParseFameFile(FormatFameFile(entries)) == entries);

  // Each listing line: the name and the number each padded to its column or followed by one
  // blank, the time in minutes and seconds, the date.
  const std::string listing = BuildFameListing(entries);
  const auto lines = ListingLines(listing);
  Require(lines.size() == entries.size() + 2);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string expected = Padded(entries[i].Name, 15) + Padded(entries[i].GameNumber, 16);
    const std::string_view line = lines[i + 2];
    const std::string date = Shown(entries[i].Date);
    Require(line.starts_with(expected) && line.ends_with(date) && !Defaced(line));
    const std::string_view time = line.substr(expected.size(), line.size() - expected.size() - date.size());
    Require(time.size() == 12 && time[0] == ' ' && time[3] == 'M' && time.substr(4, 2) == "  " && time[8] == 'S' &&
            time.substr(9) == "   ");
  }

  // A winner's entry: the file holds the ranked entries and nothing else.
  const double winner = size > 0 ? data[0] / 86400.0 : 0;
  const FameEntry entry{"Winner", "123", winner, "Jan 01, 2026"};
  auto ranked = entries;
  InsertRanked(ranked, entry, 30);
  Require(ranked.size() <= 30);
  Require(ParseFameFile(FormatFameFile(ranked)) == ranked);
  return 0;
}
