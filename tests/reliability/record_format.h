#pragma once
// Strict checks of the record files as the game writes them, independent of the game's
// own readers: every line in the exact written form, CR LF line ends, sorted order.
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing {

struct StrictFameLine {
  std::string name, number, date;
  double time = 0;
};

// The lines of a text that ends every line with CR LF; nothing when any line end is
// different or the last line has none.
inline std::optional<std::vector<std::string_view>> CrLfLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = text.substr(0, end);
    if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    lines.push_back(line);
    text.remove_prefix(end + 2);
  }
  return lines;
}

inline bool IsGameNumberText(std::string_view s) {
  if (s.empty() || s.size() > 14 || (s.size() > 1 && s[0] == '0')) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Takes `"text"` off the front of `line`, the text having no quote.
inline std::optional<std::string> TakeQuoted(std::string_view& line) {
  if (line.empty() || line[0] != '"') return std::nullopt;
  const std::size_t close = line.find('"', 1);
  if (close == std::string_view::npos) return std::nullopt;
  std::string text(line.substr(1, close - 1));
  line.remove_prefix(close + 1);
  return text;
}

// Characters of UTF-8 text: bytes that do not continue a sequence.
inline std::size_t Utf8Length(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

inline bool TakeComma(std::string_view& line) {
  if (line.empty() || line[0] != ',') return false;
  line.remove_prefix(1);
  return true;
}

inline bool IsFameDate(std::string_view d) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (d.size() != 12 || d.substr(3, 1) != " " || d.substr(6, 2) != ", ") return false;
  bool month = false;
  for (const char* m : kMonths) month = month || d.substr(0, 3) == m;
  for (std::size_t i : {4u, 5u, 8u, 9u, 10u, 11u})
    if (d[i] < '0' || d[i] > '9') return false;
  return month;
}

// `"NAME","NUMBER",TIME,"mmm dd, yyyy"`: a name of 1 to 14 characters, a game number, a
// time under one hour in the shortest form that reads back exactly.
inline std::optional<StrictFameLine> ParseStrictFameLine(std::string_view line) {
  StrictFameLine e;
  auto name = TakeQuoted(line);
  if (!name || name->empty() || Utf8Length(*name) > 14 || !TakeComma(line)) return std::nullopt;
  auto number = TakeQuoted(line);
  if (!number || !IsGameNumberText(*number) || !TakeComma(line)) return std::nullopt;
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::string_view time = line.substr(0, comma);
  const auto [end, error] = std::from_chars(time.data(), time.data() + time.size(), e.time);
  if (error != std::errc() || end != time.data() + time.size() || !(e.time >= 0 && e.time < 1.0 / 24))
    return std::nullopt;
  char shortest[64];
  const auto written = std::to_chars(shortest, shortest + sizeof shortest, e.time);
  if (std::string_view(shortest, static_cast<std::size_t>(written.ptr - shortest)) != time) return std::nullopt;
  line.remove_prefix(comma + 1);
  auto date = TakeQuoted(line);
  if (!date || !IsFameDate(*date) || !line.empty()) return std::nullopt;
  e.name = std::move(*name);
  e.number = std::move(*number);
  e.date = std::move(*date);
  return e;
}

// Fame.dat as written: at most 30 strict lines in ascending order of time. Returns the
// lines, or nothing with `why` set.
inline std::optional<std::vector<StrictFameLine>> CheckFameFile(std::string_view text, std::string& why) {
  const auto lines = CrLfLines(text);
  if (!lines) return why = "line ends are not all CR LF", std::nullopt;
  if (lines->size() > 30) return why = "more than 30 lines", std::nullopt;
  std::vector<StrictFameLine> entries;
  for (std::string_view line : *lines) {
    auto e = ParseStrictFameLine(line);
    if (!e) return why = "malformed line: " + std::string(line), std::nullopt;
    if (!entries.empty() && e->time < entries.back().time)
      return why = "out of order: " + std::string(line), std::nullopt;
    entries.push_back(std::move(*e));
  }
  return entries;
}

// saved.dat as written: game numbers, shorter before longer, then by character code.
inline std::optional<std::vector<std::string>> CheckSavedFile(std::string_view text, std::string& why) {
  const auto lines = CrLfLines(text);
  if (!lines) return why = "line ends are not all CR LF", std::nullopt;
  std::vector<std::string> numbers;
  for (std::string_view line : *lines) {
    if (!IsGameNumberText(line)) return why = "not a game number: " + std::string(line), std::nullopt;
    if (!numbers.empty()) {
      const std::string& last = numbers.back();
      if (line.size() < last.size() || (line.size() == last.size() && line < last))
        return why = "out of order: " + std::string(line), std::nullopt;
    }
    numbers.emplace_back(line);
  }
  return numbers;
}

}  // namespace quarvel::testing
