#pragma once
// Date-time values: days since 30 December 1899, the time of day as the fraction.
#include <cstdint>
#include <string>

namespace quarvel {

using DateTime = double;

struct CivilTime {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
};

DateTime ToDateTime(const CivilTime& t);
CivilTime ToCivil(DateTime value);

// Whole elapsed time split for display. Hours are total hours: a duration of a day or
// more is not folded into the day.
struct HoursMinutesSeconds {
  std::int64_t hours = 0;
  int minutes = 0;
  int seconds = 0;
};

// Splits end − start (in days) into whole hours, minutes and seconds, rounding to the
// nearest second first; a negative difference counts as zero.
HoursMinutesSeconds SplitElapsed(DateTime start, DateTime end);
HoursMinutesSeconds SplitSeconds(std::int64_t seconds);

// " hh:mm:ss" as the time box shows it: a blank, then at least two digits of total hours.
std::string FormatClockText(std::int64_t seconds);

// "mmm dd, yyyy" with the given month abbreviation.
std::string FormatFameDate(const std::string& monthAbbreviation, int day, int year);

}  // namespace quarvel
