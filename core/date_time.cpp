#include "core/date_time.h"

#include <cmath>
#include <cstdio>

namespace quarvel {
namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = static_cast<unsigned>((153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1);
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffsetDays = 25569;  // 1899-12-30 to 1970-01-01

}  // namespace

DateTime ToDateTime(const CivilTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day) + kEpochOffsetDays;
  const int secondsOfDay = t.hour * 3600 + t.minute * 60 + t.second;
  return static_cast<double>(days) + secondsOfDay / 86400.0;
}

CivilTime ToCivil(DateTime value) {
  const auto totalSeconds = static_cast<std::int64_t>(std::llround(value * 86400.0));
  std::int64_t days = totalSeconds / 86400;
  std::int64_t secondsOfDay = totalSeconds % 86400;
  if (secondsOfDay < 0) {
    secondsOfDay += 86400;
    --days;
  }
  // Civil from days since 1970-01-01.
  std::int64_t z = days - kEpochOffsetDays + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  CivilTime t;
  t.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  t.month = static_cast<int>(m);
  t.day = static_cast<int>(d);
  t.hour = static_cast<int>(secondsOfDay / 3600);
  t.minute = static_cast<int>(secondsOfDay % 3600 / 60);
  t.second = static_cast<int>(secondsOfDay % 60);
  return t;
}

HoursMinutesSeconds SplitSeconds(std::int64_t seconds) {
  if (seconds < 0) seconds = 0;
  return {seconds / 3600, static_cast<int>(seconds % 3600 / 60), static_cast<int>(seconds % 60)};
}

HoursMinutesSeconds SplitElapsed(DateTime start, DateTime end) {
  const double seconds = std::round((end - start) * 86400.0);
  if (!(seconds > 0)) return SplitSeconds(0);                      // negative or not a number
  if (seconds > 9e15) return SplitSeconds(9'000'000'000'000'000);  // keeps the conversion defined
  return SplitSeconds(static_cast<std::int64_t>(seconds));
}

std::string FormatClockText(std::int64_t seconds) {
  const HoursMinutesSeconds hms = SplitSeconds(seconds);
  char text[40];
  std::snprintf(text, sizeof text, " %02lld:%02d:%02d", static_cast<long long>(hms.hours), hms.minutes, hms.seconds);
  return text;
}

std::string FormatFameDate(const std::string& monthAbbreviation, int day, int year) {
  char text[32];
  std::snprintf(text, sizeof text, " %02d, %04d", day, year);
  return monthAbbreviation + text;
}

}  // namespace quarvel
