// Fame.dat as the game reads it: any bytes are read without harm, what is read is written
// back unchanged, a rewrite keeps every line it cannot read, and the listing keeps its
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

// The lines that are neither blank nor an entry, in order.
std::vector<std::string_view> DamagedLines(std::string_view text) {
  std::vector<std::string_view> damaged;
  for (std::string_view line : quarvel::SplitLines(text))
    if (line.find_first_not_of(" \t") != line.npos && quarvel::ParseFameFile(line).empty()) damaged.push_back(line);
  return damaged;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quarvel;
  const std::string text = ToUtf8Lenient(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(ToUtf8Lenient(text) == text);  // the reading is valid UTF-8 already

  const auto entries = ParseFameFile(text);
  Require(ParseFameFile(FormatFameFile(entries)) == entries);

  const std::string listing = BuildFameListing(entries);
  const auto lines = SplitLines(listing);
  Require(lines.size() == entries.size() + 2);
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::string_view time = line.substr(FirstCharacters(line, 31).size(), 12);
    Require(time.size() == 12 && time[0] == ' ' && time[3] == 'M' && time[8] == 'S');
  }

  // A winner's entry: the same list as the plain ranked insertion, every damaged line kept.
  const double winner = size > 0 ? data[0] / 86400.0 : 0;
  const FameEntry entry{"Winner", "123", winner, "Jan 01, 2026"};
  const FameRewrite rewrite = InsertIntoFameFile(text, entry, 30);
  auto ranked = entries;
  InsertRanked(ranked, entry, 30);
  Require(rewrite.entries == ranked);
  Require(ParseFameFile(rewrite.text) == rewrite.entries);
  Require(DamagedLines(rewrite.text) == DamagedLines(text));
  return 0;
}
