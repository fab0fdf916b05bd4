// Fame.dat as the game reads it: any bytes are read without harm, what is read is written
// back unchanged, a rewrite holds exactly the ranked entries, and the listing keeps its
// columns.
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

// A field as its column shows it: control characters as "?", padded with blanks to the
// column's width, or followed by one blank when it is as wide or wider.
std::string Padded(const std::string& field, std::size_t width) {
  std::string shown;
  for (char c : field) shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  const std::size_t length = quarvel::CountCharacters(shown);
  return shown + std::string(length < width ? width - length : 1, ' ');
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
    Require(line.starts_with(expected) && line.ends_with(entries[i].Date));
    const std::string_view time = line.substr(expected.size(), line.size() - expected.size() - entries[i].Date.size());
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
