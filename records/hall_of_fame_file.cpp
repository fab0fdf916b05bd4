#include "records/hall_of_fame_file.h"

#include <cmath>
#include <optional>

#include "core/decimal_text.h"
#include "records/text_lines.h"

namespace quarvel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits one line into its fields; nothing when a quote is not closed.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '"') {
      const std::size_t close = line.find('"', pos + 1);
      if (close == std::string_view::npos) return std::nullopt;
      fields.emplace_back(line.substr(pos + 1, close - pos - 1));
      pos = line.find(',', close + 1);  // anything after the quote is ignored
    } else {
      const std::size_t comma = line.find(',', pos);
      std::string_view field = line.substr(pos, comma == std::string_view::npos ? line.npos : comma - pos);
      while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
      // A quote inside a bare field could not be written back between quotes.
      if (field.find('"') != std::string_view::npos) return std::nullopt;
      fields.emplace_back(field);
      pos = comma;
    }
    if (pos == std::string_view::npos) return fields;
    ++pos;
  }
}

std::optional<double> ParseTime(std::string_view text) {
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double value = 0;
  const auto [end, error] = ReadDecimal(text, value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < 0) return std::nullopt;
  return value;
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// One line as an entry; nothing when it is damaged.
std::optional<FameEntry> ParseFameLine(std::string_view line) {
  auto fields = SplitFields(line);
  if (!fields || fields->size() < 4) return std::nullopt;
  auto time = ParseTime((*fields)[2]);
  if (!time) return std::nullopt;
  return FameEntry{std::move((*fields)[0]), std::move((*fields)[1]), *time, std::move((*fields)[3])};
}

void AppendFameLine(std::string& text, const FameEntry& e) {
  text += '"' + e.Name + "\",\"" + e.GameNumber + "\"," + FormatFameTime(e.Time) + ",\"" + e.Date + "\"\r\n";
}

}  // namespace

std::vector<FameEntry> ParseFameFile(std::string_view text) {
  std::vector<FameEntry> entries;
  ForEachLine(text, [&](std::string_view line) {
    if (IsBlankLine(line)) return;
    if (auto entry = ParseFameLine(line)) entries.push_back(std::move(*entry));
  });
  return entries;
}

std::string FormatFameTime(double days) { return ShortestDecimal(days); }

std::string FormatFameFile(const std::vector<FameEntry>& entries) {
  std::string text;
  for (const FameEntry& e : entries) AppendFameLine(text, e);
  return text;
}

void InsertRanked(std::vector<FameEntry>& entries, FameEntry entry, std::size_t limit) {
  auto at = entries.begin();
  while (at != entries.end() && !(entry.Time <= at->Time)) ++at;
  entries.insert(at, std::move(entry));
  if (entries.size() > limit) entries.resize(limit);
}

}  // namespace quarvel
