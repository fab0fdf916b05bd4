#include "console/script_reader.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "console/command_table.h"
#include "core/decimal_text.h"
#include "core/quoted_text.h"

namespace quarvel::console {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct Token {
  bool quoted = false;
  std::string text;  // unescaped for STRINGs
};

std::variant<std::vector<Token>, ParseError> Tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    Token token;
    if (line[i] == '"') {
      token.quoted = true;
      ++i;
      for (;;) {
        if (i >= line.size()) return ParseError{"unterminated string"};
        const char c = line[i++];
        if (c == '"') break;
        if (c == '\\') {
          if (i >= line.size() || (line[i] != '"' && line[i] != '\\'))
            return ParseError{"unknown escape in string (only \\\" and \\\\)"};
          token.text += line[i++];
        } else {
          token.text += c;
        }
      }
      if (i < line.size() && !IsBlank(line[i])) return ParseError{"missing blank after string"};
    } else {
      const std::size_t start = i;
      while (i < line.size() && !IsBlank(line[i])) ++i;
      token.text = std::string(line.substr(start, i - start));
      if (token.text.find('"') != std::string::npos) return ParseError{"stray double quote"};
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::optional<std::int64_t> WholeNumber(std::string_view text, std::int64_t low, std::int64_t high) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  std::int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Digits, an optional point, an optional exponent; a value in [0, 1).
std::optional<double> RandomValue(std::string_view text) {
  std::size_t i = 0, digits = 0, integerDigits = 0;
  std::optional<std::size_t> firstNonZero;  // among all digits
  const auto scanDigits = [&] {
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
      if (!firstNonZero && text[i] != '0') firstNonZero = digits;
  };
  scanDigits();
  integerDigits = digits;
  if (i < text.size() && text[i] == '.') ++i;
  scanDigits();
  if (digits == 0) return std::nullopt;
  std::int64_t exponent = 0;  // saturated far beyond the range of a double
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t start = i;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
      exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    if (i == start) return std::nullopt;
    if (negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, error] = ReadDecimal(text, value);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    // Out of range either way: the value is at least 1 exactly when its leading digit
    // stands at the units place or above.
    const auto leading =
        static_cast<std::int64_t>(integerDigits) - static_cast<std::int64_t>(firstNonZero.value_or(0)) - 1;
    if (leading + exponent >= 0) return std::nullopt;
    value = 0;  // too small for a double
  } else if (error != std::errc()) {
    return std::nullopt;
  }
  if (!(value >= 0 && value < 1)) return std::nullopt;
  return value;
}

std::optional<DateTime> Moment(std::string_view date, std::string_view time) {
  if (date.size() != 10 || time.size() != 8 || date[4] != '-' || date[7] != '-' || time[2] != ':' || time[5] != ':')
    return std::nullopt;
  auto part = [](std::string_view text, std::size_t at, std::size_t n, int low, int high) {
    return WholeNumber(text.substr(at, n), low, high);
  };
  const auto year = part(date, 0, 4, 1, 9999), month = part(date, 5, 2, 1, 12), day = part(date, 8, 2, 1, 31);
  const auto hour = part(time, 0, 2, 0, 23), minute = part(time, 3, 2, 0, 59), second = part(time, 6, 2, 0, 59);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  static const int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
  if (*day > kDays[*month - 1] || (*month == 2 && *day == 29 && !leap)) return std::nullopt;
  return ToDateTime({static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day), static_cast<int>(*hour),
                     static_cast<int>(*minute), static_cast<int>(*second)});
}

}  // namespace

ParsedLine ParseScriptLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] == '#') return Skip{};

  auto tokenized = Tokenize(line);
  if (auto* error = std::get_if<ParseError>(&tokenized)) return *error;
  auto& tokens = std::get<std::vector<Token>>(tokenized);
  if (tokens.front().quoted) return ParseError{"a line must begin with a command"};

  ScriptCommand command;
  command.name = tokens.front().text;
  command.text = command.name;
  for (std::size_t k = 1; k < tokens.size(); ++k)
    command.text.append(" ").append(tokens[k].quoted ? Quote(tokens[k].text) : tokens[k].text);
  const std::size_t argc = tokens.size() - 1;
  const std::string& name = command.name;

  const CommandRow* row = FindCommand(name);
  if (!row) return ParseError{"unknown command " + QuotedText(name)};
  switch (row->argument) {
    case ArgumentKind::None:
      if (argc != 0) return ParseError{name + " takes no arguments"};
      return command;
    case ArgumentKind::String:
      if (argc != 1 || !tokens[1].quoted) return ParseError{name + " takes one STRING in double quotes"};
      command.strings.push_back(tokens[1].text);
      return command;
    case ArgumentKind::Tile:
    case ArgumentKind::Seconds: {
      const bool tile = row->argument == ArgumentKind::Tile;
      const auto value =
          argc == 1 && !tokens[1].quoted ? WholeNumber(tokens[1].text, 0, tile ? 15 : 1'000'000'000) : std::nullopt;
      if (!value)
        return ParseError{name +
                          (tile ? " takes a tile number from 0 to 15" : " takes whole seconds from 0 to 1000000000")};
      command.number = *value;
      return command;
    }
    case ArgumentKind::Moment: {
      const auto moment =
          argc == 2 && !tokens[1].quoted && !tokens[2].quoted ? Moment(tokens[1].text, tokens[2].text) : std::nullopt;
      if (!moment) return ParseError{name + " takes a valid YYYY-MM-DD HH:MM:SS"};
      command.moment = *moment;
      return command;
    }
    case ArgumentKind::RandomValues:
      if (argc == 0) return ParseError{name + " takes at least one value"};
      for (std::size_t k = 1; k < tokens.size(); ++k) {
        const auto value = tokens[k].quoted ? std::nullopt : RandomValue(tokens[k].text);
        if (!value) return ParseError{name + " values are decimal reals in [0, 1): " + QuotedText(tokens[k].text)};
        command.values.push_back(*value);
      }
      return command;
  }
  return ParseError{"unknown command " + QuotedText(name)};
}

}  // namespace quarvel::console
