#include "core/decimal_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quarvel {

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
std::string ShortestDecimal(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::from_chars_result ReadDecimal(std::string_view text, double& value) {
  return std::from_chars(text.data(), text.data() + text.size(), value);
}
#else
std::string ShortestDecimal(double value) { return portable::ShortestDecimal(value); }

std::from_chars_result ReadDecimal(std::string_view text, double& value) { return portable::ReadDecimal(text, value); }
#endif

namespace portable {
namespace {

// The fewest significant digits that read back as `value` (finite, not zero), and the
// decimal exponent of the first.
void ShortestDigits(double value, std::string& digits, int& exponent) {
  char text[40];
  for (int precision = 1; precision <= 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*e", precision - 1, value);
    if (std::strtod(text, nullptr) == value || precision == 17) break;
  }
  const std::string_view written(text);
  const std::size_t e = written.find('e');
  digits.clear();
  for (const char c : written.substr(0, e))
    if (c >= '0' && c <= '9') digits += c;
  exponent = std::atoi(text + e + 1);
}

bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
  return true;
}

std::size_t DigitsFrom(std::string_view text, std::size_t at) {
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  return at;
}

}  // namespace

std::string ShortestDecimal(double value) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  std::string digits;
  int exponent = 0;
  ShortestDigits(std::fabs(value), digits, exponent);
  const int count = static_cast<int>(digits.size());

  std::string scientific(1, digits[0]);
  if (count > 1) scientific.append(".").append(digits, 1);
  char power[16];
  std::snprintf(power, sizeof power, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
  scientific += power;

  std::string fixed;
  if (exponent < 0) {
    fixed.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else if (count <= exponent + 1) {
    // A whole number: written exactly, digit for digit, as long as its shortest digits.
    char whole[400];
    std::snprintf(whole, sizeof whole, "%.0f", std::fabs(value));
    fixed = whole;
  } else {
    const auto point = static_cast<std::size_t>(exponent + 1);
    fixed.append(digits, 0, point).append(".").append(digits, point);
  }
  return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

std::from_chars_result ReadDecimal(std::string_view text, double& value) {
  const char* const first = text.data();
  std::size_t at = text.size() > 0 && text[0] == '-' ? 1 : 0;
  const std::string_view rest = text.substr(at);
  std::size_t end = 0;
  bool special = true;
  if (StartsWithWord(rest, "infinity")) {
    end = at + 8;
  } else if (StartsWithWord(rest, "inf")) {
    end = at + 3;
  } else if (StartsWithWord(rest, "nan")) {
    end = at + 3;
    // nan(letters, digits and underscores), taken only when the parenthesis closes
    std::size_t close = end;
    if (close < text.size() && text[close] == '(') {
      ++close;
      while (close < text.size() && (std::isalnum(static_cast<unsigned char>(text[close])) || text[close] == '_'))
        ++close;
      if (close < text.size() && text[close] == ')') end = close + 1;
    }
  } else {
    special = false;
    const std::size_t integerEnd = DigitsFrom(text, at);
    end = integerEnd;
    if (end < text.size() && text[end] == '.') end = DigitsFrom(text, end + 1);
    const std::size_t digitCount = end - at - (end > integerEnd ? 1 : 0);
    if (digitCount == 0) return {first, std::errc::invalid_argument};
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
      std::size_t power = end + 1;
      if (power < text.size() && (text[power] == '+' || text[power] == '-')) ++power;
      const std::size_t powerEnd = DigitsFrom(text, power);
      if (powerEnd > power) end = powerEnd;
    }
  }
  if (!special && at == 0 && end == 0) return {first, std::errc::invalid_argument};

  const std::string taken(text.substr(0, end));
  const double read = std::strtod(taken.c_str(), nullptr);
  if (!special) {
    const bool nonZeroDigit = taken.find_first_of("123456789") < taken.find_first_of("eE");
    if (std::isinf(read) || (read == 0 && nonZeroDigit)) return {first + end, std::errc::result_out_of_range};
  }
  value = read;
  return {first + end, std::errc()};
}

}  // namespace portable
}  // namespace quarvel
