// Date-time arithmetic: elapsed times, civil dates, the Hall of Fame date.
#include "core/date_time.h"

#include <gtest/gtest.h>

namespace quarvel {
namespace {

TEST(SplitElapsed, RoundsToSecondsAndCountsTotalHours) {
  const DateTime a = ToDateTime({2026, 5, 1, 10, 0, 0});
  const DateTime b = ToDateTime({2026, 5, 1, 10, 0, 14});
  const HoursMinutesSeconds fourteen = SplitElapsed(a, b);
  EXPECT_EQ(fourteen.hours, 0);
  EXPECT_EQ(fourteen.minutes, 0);
  EXPECT_EQ(fourteen.seconds, 14);
  const HoursMinutesSeconds one = SplitElapsed(0, 1.0 / 24 + 1.0 / 1440 + 1.0 / 86400);
  EXPECT_EQ(one.hours, 1);
  EXPECT_EQ(one.minutes, 1);
  EXPECT_EQ(one.seconds, 1);
  const HoursMinutesSeconds long_game = SplitElapsed(0, 1 + 5.0 / 86400);
  EXPECT_EQ(long_game.hours, 24);
  EXPECT_EQ(long_game.seconds, 5);
  EXPECT_EQ(SplitElapsed(5, 1).hours, 0);  // never negative
  EXPECT_EQ(FormatClockText(4 * 60 + 37), " 00:04:37");
}

TEST(DateTime, CivilRoundTripAndFameDate) {
  const CivilTime t{2026, 2, 28, 23, 59, 59};
  const CivilTime back = ToCivil(ToDateTime(t));
  EXPECT_EQ(back.year, 2026);
  EXPECT_EQ(back.month, 2);
  EXPECT_EQ(back.day, 28);
  EXPECT_EQ(back.second, 59);
  EXPECT_DOUBLE_EQ(ToDateTime({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(ToDateTime({1900, 1, 1, 12, 0, 0}), 2.5);
  EXPECT_EQ(FormatFameDate("Jan", 7, 2026), "Jan 07, 2026");
}

}  // namespace
}  // namespace quarvel
